// Any bytes as the recording the hook library streams during a quick
// capture: the capture ends, its macro is saved after the macros that were
// there (which stay byte for byte), and its text is the recording without
// its zero bytes, or, past 5000 characters, names the overflow file that
// holds it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "capture/capture_session.h"
#include "platform/sim/sim_trace.h"
#include "platform/sim/sim_ui.h"
#include "store/memory_file_access.h"
#include "store/recording_hook_library.h"

namespace {

constexpr const char* kPath = "C.TVX";

void Check(bool condition) {
  if (!condition) std::abort();
}

class MemoryCaptureFiles : public tavrix::CaptureFiles {
 public:
  std::map<std::string, std::string> files;

  std::string Join(const std::string& folder, const std::string& name) override { return folder + "\\" + name; }
  std::unique_ptr<tavrix::CaptureFileWriter> Create(const std::string& path) override {
    files[path].clear();
    return std::make_unique<Writer>(files[path]);
  }
  std::optional<std::string> Read(const std::string& path) override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  bool Copy(const std::string& from, const std::string& to) override {
    if (!Exists(from)) return false;
    files[to] = files[from];
    return true;
  }
  void Remove(const std::string& path) override { files.erase(path); }

 private:
  class Writer : public tavrix::CaptureFileWriter {
   public:
    explicit Writer(std::string& bytes) : bytes_(bytes) {}
    bool Put(char byte) override {
      bytes_.push_back(byte);
      return true;
    }

   private:
    std::string& bytes_;
  };
};

class Host : public tavrix::CaptureHost {};

tavrix::LocalDateTime FixedNow() { return {2026, 12, 7, 12, 0, 0, 0}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavrix::MemoryFileAccess access;
  access.Clear();
  tavrix::SimTrace trace;
  trace.SetEnabled(false);
  tavrix::SimUi ui(trace);
  tavrix::RecordingHookLibrary hooks;
  tavrix::MacroIndex index;
  tavrix::MacroFile file(index, hooks, ui, FixedNow, access);
  file.LoadFile(kPath);  // a new file: the four system activations
  const std::string before = *access.Find(kPath);

  MemoryCaptureFiles captureFiles;
  Host host;
  tavrix::CaptureSession session(
      tavrix::CaptureEnvironment{file, ui, captureFiles, host, [] { return 46363.5; }, "C:\\TAVRIX"});
  tavrix::CaptureSettings settings;
  settings.prompt = false;
  settings.time = false;
  ui.AnswerFormAlways("TCapComplete", [](tavrix::Form& form) { form.PressCloseBox(); });
  Check(session.StartACapture(settings));
  const std::uint32_t n = index.table().CaptureMacro();
  for (std::size_t k = 0; k < size; ++k) session.OnCaptureChar(n, data[k]);
  session.OnCaptureComplete(n);

  Check(!session.Recording() && session.Saved());
  const std::string after = *access.Find(kPath);
  Check(after.size() == before.size() + tavrix::kMacroRecordSize && after.compare(0, before.size(), before) == 0);
  tavrix::MacroRecord record;
  Check(file.ReadRecord(session.LastNumber(), record));
  std::string recorded;
  for (std::size_t k = 0; k < size; ++k)
    if (data[k] != 0) recorded.push_back(static_cast<char>(data[k]));
  if (recorded.size() <= tavrix::kMaxMacroText) {
    Check(record.MacroText() == recorded);
  } else {
    Check(record.MacroText().rfind("<TFILE:C:\\TAVRIX\\TV", 0) == 0);
    Check(captureFiles.Read(session.OverflowFile()) == recorded);
  }
  return 0;
}
