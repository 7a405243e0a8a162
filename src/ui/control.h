#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/types.h"

namespace kervale::ui {

class Form;

// Every property a control of any kind can have. A control keeps two copies:
// its design state, captured when the form's constructor finishes, and its
// current state, reset to the design state whenever the form loads.
struct ControlState {
  std::string caption;                                // label, button, check, option, frame
  std::string text;                                   // text box, combo box
  int left = 0, top = 0, width = 1215, height = 495;  // twips
  bool visible = true;
  bool enabled = true;
  Colour backColor = kButtonFace;
  Colour foreColor = kWindowText;
  bool opaque = true;  // BackStyle: false draws no background
  Font font;
  Alignment alignment = Alignment::Left;
  int borderStyle = 0;  // 0 none, 1 fixed single
  bool wordWrap = true;
  bool autoSize = false;
  bool scrollBars = false;  // label: a text taller than the label scrolls
  bool elide = false;       // label: a one-line text may be shortened, the whole text in its tip
  bool multiLine = false;
  bool locked = false;  // text box: read only
  std::string toolTipText;
  std::string tag;
  // Check box 0 unchecked / 1 checked / 2 grey; option button 0 / 1; scroll bar value.
  int value = 0;
  int min = 0, max = 32767, smallChange = 1, largeChange = 1;  // scroll bars
  std::vector<std::string> items;                              // list and combo boxes, file list
  std::vector<std::int32_t> itemData;
  int listIndex = -1;    // selected item, -1 none
  int topIndex = 0;      // first visible item of a list
  std::string picture;   // image / picture box / frame: picture file, "" none
  bool stretch = false;  // image: scale the picture to the control
  ShapeType shape = ShapeType::Rectangle;
  int fillStyle = 1;  // shape: 0 solid, 1 transparent
  Colour fillColor = kBlack;
  Colour borderColor = kBlack;
  int borderWidth = 1;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line, twips
  std::string path;                    // dir / file list: folder; drive list: drive
  std::string pattern = "*.*";         // file list
  bool isDefault = false;              // command button answers Enter
  bool isCancel = false;               // command button answers Escape
};

// A control of a form. Properties are plain values; setters mark the control
// changed so that a shown window picks the change up, and a change made by the
// program fires the same events as one made by the user.
class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return form_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 when not in a control array

  const ControlState& state() const { return state_; }
  const ControlState& designState() const { return design_; }
  void captureDesign() { design_ = state_; }
  void resetToDesign();

  // Common properties.
  const std::string& caption() const { return state_.caption; }
  void setCaption(std::string caption);  // fires Change on a label when it changes
  const std::string& text() const { return state_.text; }
  void setText(std::string text);  // fires Change when it changes
  int left() const { return state_.left; }
  int top() const { return state_.top; }
  int width() const { return state_.width; }
  int height() const { return state_.height; }
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);
  void move(int left, int top, int width, int height);
  bool visible() const { return state_.visible; }
  void setVisible(bool v);
  bool enabled() const { return state_.enabled; }
  void setEnabled(bool v);
  Colour backColor() const { return state_.backColor; }
  void setBackColor(Colour c);
  Colour foreColor() const { return state_.foreColor; }
  void setForeColor(Colour c);
  void setOpaque(bool v);
  const Font& font() const { return state_.font; }
  void setFont(const Font& f);
  void setFontBold(bool bold);
  void setFontSize(double size);
  void setAlignment(Alignment a);
  void setBorderStyle(int style);
  void setWordWrap(bool v);
  void setAutoSize(bool v);
  void setScrollBars(bool v);
  void setElide(bool v);
  void setMultiLine(bool v);
  void setLocked(bool v);
  void setToolTipText(std::string t);
  const std::string& tag() const { return state_.tag; }
  void setTag(std::string t);
  void setDefault(bool v);
  void setCancel(bool v);
  // Gives the control the keyboard focus once its window shows.
  void SetFocus();

  // Check box (0, 1, 2), option button (0, 1; setting 1 clears the other
  // options of the same container and fires Click), scroll bar (clamped to
  // min..max; Change fires only on a real change).
  int value() const { return state_.value; }
  void setValue(int v);
  void setMin(int v);
  void setMax(int v);
  void setSmallChange(int v);
  void setLargeChange(int v);
  int min() const { return state_.min; }
  int max() const { return state_.max; }

  // List and combo boxes.
  void addItem(std::string item);  // at the end
  void addItemAt(std::string item, int position);
  void removeItem(int position);
  void clear();  // removes every item, selection -1
  int listCount() const { return static_cast<int>(state_.items.size()); }
  const std::string& list(int position) const;  // "" outside the list
  void setList(int position, std::string item);
  std::int32_t itemData(int position) const;
  void setItemData(int position, std::int32_t data);
  int listIndex() const { return state_.listIndex; }
  void setListIndex(int position);  // brings the item into view; fires Click
  int topIndex() const { return state_.topIndex; }
  void setTopIndex(int position);

  // Pictures: a file name; a missing picture shows nothing.
  const std::string& picture() const { return state_.picture; }
  void setPicture(std::string file);
  void setStretch(bool v);

  // Shapes and lines.
  void setShape(ShapeType s);
  void setFillStyle(int style);
  void setFillColor(Colour c);
  void setBorderColor(Colour c);
  void setBorderWidth(int w);
  void setLinePoints(int x1, int y1, int x2, int y2);

  // Drive, folder and file lists.
  const std::string& path() const { return state_.path; }
  void setPath(std::string path);  // folder list / file list: re-reads; fires Change
  const std::string& pattern() const { return state_.pattern; }
  void setPattern(std::string pattern);  // file list: re-reads
  // The name of the selected file in a file list, "" when none.
  std::string fileName() const;

  // The container whose option buttons form one group: a frame, or the form
  // itself when null.
  Control* container() const { return container_; }
  void setContainer(Control* frame) { container_ = frame; }

  // Events. A control array wires these to handlers that take the index.
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onChange;
  std::function<void()> onScroll;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int button, int shift, double x, double y)> onMouseDown;
  std::function<void(int button, int shift, double x, double y)> onMouseMove;
  std::function<void(int button, int shift, double x, double y)> onMouseUp;

  // What the window system calls when the user acts; they update the state
  // the way the user's action does, then fire the events.
  void userClick();
  void userDblClick();
  void userSetText(std::string text);
  void userSetValue(int value);       // check box toggle, option select, scroll
  void userSelectItem(int position);  // list / combo / file list
  void userScroll(int value);         // scroll bar thumb dragged (fires Scroll)

  void fire(const std::function<void()>& handler) const;

  // Changed since the window system last read it.
  bool changed() const { return changed_; }
  void clearChanged() { changed_ = false; }

 private:
  void markChanged();
  void refreshFileList();
  void refreshDirList();

  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  ControlState state_;
  ControlState design_;
  Control* container_ = nullptr;
  bool changed_ = false;
};

// A text over a picture stands on a plain backing of its own: the player may
// choose any picture, and the text must read on every one.
void setTextBacking(Control& text);

// One class per kind, so that a form's members say what they are.
#define KERVALE_CONTROL_KIND(Name)                                                                                   \
  class Name : public Control {                                                                                      \
   public:                                                                                                           \
    Name(Form& form, std::string name, int index = -1) : Control(form, ControlKind::Name, std::move(name), index) {} \
  };
KERVALE_CONTROL_KIND(Label)
KERVALE_CONTROL_KIND(CommandButton)
KERVALE_CONTROL_KIND(TextBox)
KERVALE_CONTROL_KIND(ListBox)
KERVALE_CONTROL_KIND(ComboBox)
KERVALE_CONTROL_KIND(CheckBox)
KERVALE_CONTROL_KIND(OptionButton)
KERVALE_CONTROL_KIND(HScrollBar)
KERVALE_CONTROL_KIND(VScrollBar)
KERVALE_CONTROL_KIND(Frame)
KERVALE_CONTROL_KIND(Image)
KERVALE_CONTROL_KIND(PictureBox)
KERVALE_CONTROL_KIND(Shape)
KERVALE_CONTROL_KIND(Line)
KERVALE_CONTROL_KIND(DriveListBox)
KERVALE_CONTROL_KIND(DirListBox)
KERVALE_CONTROL_KIND(FileListBox)
#undef KERVALE_CONTROL_KIND

}  // namespace kervale::ui
