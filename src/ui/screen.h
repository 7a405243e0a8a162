#pragma once

namespace kervale::ui {

// The one object of a screen: created on first use and alive for the whole
// run, so its members carry over from one showing to the next.
template <class F>
F& screen() {
  static F* const instance = new F();
  return *instance;
}

}  // namespace kervale::ui
