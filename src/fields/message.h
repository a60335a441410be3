#pragma once
// Message boxes as the pages see them: lines of text, a button-and-icon code and a title.
// The toolkit's boxes live behind Dialogs, so page logic runs and is tested without them.

#include <string>
#include <vector>

namespace kelvara {

// Button-and-icon codes: add an icon to a button set.
namespace MessageCode {
inline constexpr int Ok = 0;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
}  // namespace MessageCode

// The button a box was closed with.
namespace Answer {
inline constexpr int Ok = 1;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace Answer

inline constexpr const char* kApplicationTitle = "Kelvara";

struct Message {
  std::vector<std::string> lines;  // each shown on its own line
  int code = MessageCode::Ok;
  std::string title = kApplicationTitle;

  std::string text() const;  // the lines joined by line feeds
  bool operator==(const Message&) const = default;
};

// The answer to a figure that no arithmetic can give (a result too large for a double, or
// a failure a page has no message of its own for).
Message notCalculableMessage();

// Shows a modal message box and returns the button pressed once it is closed.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual int show(const Message& message) = 0;
};

}  // namespace kelvara
