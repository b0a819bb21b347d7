#include "platform/sim/sim_trace.h"

namespace tavrix {

namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
  static const char digits[] = "0123456789ABCDEF";
  out += "\\x";
  out += digits[byte >> 4];
  out += digits[byte & 15];
}

}  // namespace

void SimTrace::Add(std::string line) {
  if (enabled_) lines_.push_back(std::move(line));
}

std::string SimTrace::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string EscapeClipboardText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\\': out += "\\\\"; break;
      default:
        if (byte < 32 || byte > 126) {
          AppendHexByte(out, byte);
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string EscapeTraceText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte > 126) {
      AppendHexByte(out, byte);
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace tavrix
