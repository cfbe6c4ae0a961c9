// The Windows shell, behind a seam: opening pages and addresses with their
// associated program and starting the browser. Results are not examined:
// without an associated program nothing opens and nothing is said.
#pragma once

#include <string>

namespace velkor {

class Shell {
 public:
  enum class Show { kNormal, kMaximized };
  virtual ~Shell() = default;
  // Opens a file or address with its associated program (the default action).
  virtual void Open(const std::string& target, Show show) = 0;
  // The program associated with a file (no directory: looked up in the
  // working folder); empty when there is none.
  virtual std::string AssociatedProgram(const std::string& file) = 0;
  // Starts a program with one command-line text, passed on unchanged.
  virtual void Start(const std::string& program, const std::string& parameters) = 0;
  // The folder the program itself lives in, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
};

}  // namespace velkor
