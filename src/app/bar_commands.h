// The commands the bar's menus and controls lead to. The bar window
// implements them; the menus only know this interface.
#pragma once

#include <string>

namespace velkor {

class BarCommands {
 public:
  virtual ~BarCommands() = default;
  virtual void popIconAllClick() = 0;
  virtual void popManagerClick() = 0;
  virtual void popSearchClick() = 0;
  virtual void popCurrentClick() = 0;
  virtual void popNewClick() = 0;
  virtual void popOnTopClick() = 0;
  virtual void popRandomClick() = 0;
  virtual void popIconCloseClick() = 0;
  virtual void popAboutClick() = 0;
  virtual void popHelpClick() = 0;
  virtual void TBNArea1RightClick() = 0;
  virtual void DirectoryItemClick(const std::string& category) = 0;
  virtual void KindItemClick(const std::string& kind) = 0;
};

}  // namespace velkor
