// Any bytes as the recording the hook library streams during a recapture
// of macro 5: the capture ends, the macro is saved in its place (every
// other macro stays byte for byte), and its text is the recording without
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

// The four system activations and macro 5 on F9, made once.
std::string MacroFileBytes() {
  tavrix::MemoryFileAccess access;
  tavrix::SimTrace trace;
  tavrix::SimUi ui(trace);
  tavrix::RecordingHookLibrary hooks;
  tavrix::MacroIndex index;
  tavrix::MacroFile file(index, hooks, ui, FixedNow, access);
  file.LoadFile(kPath);
  tavrix::MacroRecord record;
  record.SetNickName("recaptured");
  record.SetActivation(296);
  record.SetScope(tavrix::kScopeGlobal);
  record.SetActive(1);
  index.SetCount(5);
  file.SaveRecord(-1, record);
  return *access.Find(kPath);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string before = MacroFileBytes();
  static tavrix::MemoryFileAccess access;
  access.Clear();
  access.Put(kPath, before);
  tavrix::SimTrace trace;
  trace.SetEnabled(false);
  tavrix::SimUi ui(trace);
  tavrix::RecordingHookLibrary hooks;
  tavrix::MacroIndex index;
  tavrix::MacroFile file(index, hooks, ui, FixedNow, access);
  file.LoadFile(kPath);

  MemoryCaptureFiles captureFiles;
  Host host;
  tavrix::CaptureSession session(
      tavrix::CaptureEnvironment{file, ui, captureFiles, host, [] { return 46363.5; }, "C:\\TAVRIX"});
  tavrix::CaptureSettings settings;
  settings.time = false;
  ui.AnswerFormAlways("TCaptureKeys", [&ui](tavrix::Form& form) {
    ui.Click(form, static_cast<tavrix::TCaptureKeys&>(form).startButton);
  });
  Check(session.DoCapture(5, settings));
  const std::uint32_t n = index.table().CaptureMacro();
  for (std::size_t k = 0; k < size; ++k) session.OnCaptureChar(n, data[k]);
  session.OnCaptureComplete(n);

  Check(!session.Recording() && session.Saved());
  const std::string after = *access.Find(kPath);
  const std::size_t fifth = 4 * tavrix::kMacroRecordSize;
  Check(after.size() == before.size() && after.compare(0, fifth, before, 0, fifth) == 0);
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
