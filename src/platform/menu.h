// A popup menu as data: items with names, captions, pictures, ticks and
// click handlers. The bar's menus are built and changed here; the windows
// layer turns a menu into a system menu only while it is shown.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkor {

class MenuItem {
 public:
  using ClickHandler = std::function<void(MenuItem& sender)>;

  MenuItem() = default;
  MenuItem(std::string item_name, std::string item_caption, ClickHandler click = {},
           int item_picture = -1)
      : name(std::move(item_name)),
        caption(std::move(item_caption)),
        picture(item_picture),
        on_click(std::move(click)) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  static constexpr const char* kSeparator = "-";
  bool IsSeparator() const { return caption == kSeparator; }

  MenuItem& Add(std::string item_name, std::string item_caption, ClickHandler click = {},
                int item_picture = -1);
  MenuItem& Insert(std::size_t position, std::string item_name, std::string item_caption,
                   ClickHandler click = {}, int item_picture = -1);
  void Delete(std::size_t position);
  std::size_t Count() const { return items_.size(); }
  MenuItem& Item(std::size_t position) const { return *items_.at(position); }

  void Click() {
    if (on_click) {
      on_click(*this);
    }
  }

  std::string name;
  std::string caption;
  int picture = -1;  // number in the shared menu pictures; -1 for none
  bool checked = false;
  bool is_default = false;  // shown bold; the item a double click would choose
  ClickHandler on_click;

 private:
  std::vector<std::unique_ptr<MenuItem>> items_;
};

// Shows a popup menu and runs the chosen item's click once the menu has closed.
class MenuPresenter {
 public:
  enum class Align { kLeft, kRight };
  virtual ~MenuPresenter() = default;
  virtual void Popup(MenuItem& menu, int screen_x, int screen_y, Align align) = 0;
};

}  // namespace velkor
