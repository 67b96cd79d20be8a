#pragma once
// The single-key dialog ("Input One Key") of the macro editor: every key
// pressed, modifiers included, replaces the one before and gives the key text
// of a press or release line ("A CODE:8204").

#include <string>

namespace orva {

enum class KeyLineKind { Press, Release };  // the line being edited

class SingleKeyCapture {
 public:
  explicit SingleKeyCapture(KeyLineKind kind) : kind_(kind) {}

  void keyDown(int vk);
  // Empties the field and forgets the key, so OK then hands over nothing.
  void clear();

  const std::string& field() const { return field_; }
  // Name + " CODE:" + event byte + usage; empty when no key is captured.
  const std::string& result() const { return result_; }

 private:
  KeyLineKind kind_;
  std::string field_;
  std::string result_;
};

}  // namespace orva
