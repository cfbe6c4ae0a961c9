#include "platform/menu.h"

#include "text/errors.h"

namespace velkor {

MenuItem& MenuItem::Add(std::string item_name, std::string item_caption, ClickHandler click,
                        int item_picture) {
  return Insert(items_.size(), std::move(item_name), std::move(item_caption), std::move(click),
                item_picture);
}

MenuItem& MenuItem::Insert(std::size_t position, std::string item_name, std::string item_caption,
                           ClickHandler click, int item_picture) {
  if (position > items_.size()) {
    throw ListIndexError(position);
  }
  auto item = std::make_unique<MenuItem>(std::move(item_name), std::move(item_caption),
                                         std::move(click), item_picture);
  MenuItem& added = *item;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), std::move(item));
  return added;
}

void MenuItem::Delete(std::size_t position) {
  if (position >= items_.size()) {
    throw ListIndexError(position);
  }
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
}

}  // namespace velkor
