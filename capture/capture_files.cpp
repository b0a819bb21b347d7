#include "capture/capture_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrix {
namespace {

namespace fs = std::filesystem;

class StreamWriter final : public CaptureFileWriter {
 public:
  explicit StreamWriter(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}
  bool Open() const { return out_.is_open() && out_.good(); }
  bool Put(char byte) override {
    out_.put(byte);
    out_.flush();
    return out_.good();
  }

 private:
  std::ofstream out_;
};

class SystemFiles final : public CaptureFiles {
 public:
  std::string Join(const std::string& folder, const std::string& name) override {
    return (fs::path(folder) / name).string();
  }
  std::unique_ptr<CaptureFileWriter> Create(const std::string& path) override {
    auto writer = std::make_unique<StreamWriter>(path);
    if (!writer->Open()) return nullptr;
    return writer;
  }
  std::optional<std::string> Read(const std::string& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  }
  bool Exists(const std::string& path) override {
    std::error_code error;
    return fs::exists(path, error);
  }
  bool Copy(const std::string& from, const std::string& to) override {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    return !error;
  }
  void Remove(const std::string& path) override {
    std::error_code error;
    fs::remove(path, error);
  }
};

}  // namespace

CaptureFiles& SystemCaptureFiles() {
  static SystemFiles files;
  return files;
}

}  // namespace tavrix
