#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/control_array.h"
#include "ui/menu.h"
#include "ui/types.h"

namespace kervale::ui {

struct FormState {
  std::string caption;
  int left = 0, top = 0, width = 9600, height = 7200;  // twips, outer size
  Colour backColor = kButtonFace;
  std::string picture;     // background picture file
  int borderStyle = 2;     // 0 none, 1 fixed single, 2 sizable, 3 fixed dialog
  bool controlBox = true;  // close box shown
  bool maximized = false;
  // The control the program last gave the focus, and how often it did: each
  // request is carried out once.
  const Control* focus = nullptr;
  int focusRequests = 0;
};

enum class ShowMode { Modeless, Modal };

// Why a form is being unloaded.
enum class UnloadMode { Code, CloseBox, ProgramEnd };

// A screen. One object per screen lives for the whole run; its controls are
// members created in the constructor with their design properties, and the
// derived constructor ends with designDone(). Load resets the controls to that
// design state and runs Form_Load; Unload runs Form_Unload, closes the window
// and resets the controls, keeping the screen's own members.
class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const FormState& state() const { return state_; }

  void Load();                                    // no effect when loaded
  void Show(ShowMode mode = ShowMode::Modeless);  // loads if needed
  void Hide();
  // Returns false when Form_QueryUnload or Form_Unload cancelled it.
  bool Unload(UnloadMode mode = UnloadMode::Code);
  void Refresh();  // pushes pending changes to the window now
  bool loaded() const { return loaded_; }
  bool shown() const { return shown_; }
  bool modal() const { return modal_; }

  // Form properties.
  const std::string& caption() const { return state_.caption; }
  void setCaption(std::string caption);
  void move(int left, int top, int width, int height);
  void setWidth(int w);
  void setHeight(int h);
  int width() const { return state_.width; }
  int height() const { return state_.height; }
  void setBackColor(Colour c);
  void setPicture(std::string file);
  void setBorderStyle(int style);
  void setControlBox(bool v);
  void setMaximized(bool v);

  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<MenuItem*>& menuBar() const { return menuBar_; }
  const std::vector<MenuItem*>& allMenus() const { return menus_; }
  Control* findControl(const std::string& name, int index = -1) const;

  // The window system: the user pressed the close box.
  void userClose();
  // The window system: the user pressed a key combination ("Ctrl+S"). The menu
  // item that carries it fires as a click would, only when reachable. Returns
  // whether an item carries it.
  bool userShortcut(const std::string& keys);
  // The window system: the form became the active window (fires Form_Activate
  // unless it already was), or stopped being it (fires Form_Deactivate). Message
  // boxes do not take the activation away from a form.
  void userActivate();
  void userDeactivate();
  // The active form, null when none; cleared when it is hidden or unloaded.
  static Form* active();

  bool changed() const { return changed_; }
  void clearChanged() { changed_ = false; }

  // Registration, called by the controls and menu items of this form.
  void attach(Control& c);
  void detach(Control& c);
  void attach(MenuItem& m);
  void detach(MenuItem& m);
  void controlChanged(Control& c);
  void menuChanged(MenuItem& m);
  void requestFocus(const Control& c);

 protected:
  // Ends the derived constructor: the current properties become the design state.
  void designDone();

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Deactivate() {}
  // Set cancel to non-zero to keep the form loaded.
  virtual void Form_QueryUnload(int& cancel, UnloadMode mode) {
    (void)cancel;
    (void)mode;
  }
  virtual void Form_Unload(int& cancel) { (void)cancel; }

  FormState state_;

 private:
  void markChanged();
  void resetToDesign();

  std::string name_;
  FormState design_;
  std::vector<Control*> controls_;
  std::vector<MenuItem*> menus_;
  std::vector<MenuItem*> menuBar_;
  bool loaded_ = false;
  bool shown_ = false;
  bool modal_ = false;
  bool unloading_ = false;
  bool changed_ = false;
};

}  // namespace kervale::ui
