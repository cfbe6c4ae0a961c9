// Message boxes, behind a seam so tests never wait on a dialog.
#pragma once

#include <string>

namespace velkor {

class Messages {
 public:
  virtual ~Messages() = default;
  // A plain message: the application title as caption, one OK button.
  virtual void Inform(const std::string& text) = 0;
  // A question with its own caption and the buttons OK and Cancel; true for OK.
  virtual bool Confirm(const std::string& text, const std::string& caption) = 0;
  // The standard error box: the application title, an error icon, the error's own text.
  virtual void ShowError(const std::string& text) = 0;
};

}  // namespace velkor
