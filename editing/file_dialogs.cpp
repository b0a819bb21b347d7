#include "editing/file_dialogs.h"

#include "editing/command_names.h"

namespace tavrix {

namespace lk = line_kind;

namespace {
constexpr const char* kTextFileMissing = "Specified Text File does not exist.  Please correct.";
constexpr const char* kWaveMissing = "Specified WAV File does not exist.  Please correct.";
}  // namespace

Handler FileCommandDialog::BrowseInto(Edit& edit, std::string filter, std::string extension) {
  return [this, &edit, filter = std::move(filter), extension = std::move(extension)] {
    if (ui == nullptr) return FormReply::Stay();
    if (const auto chosen = ui->AskFileName({caption, filter, extension, false, ""})) edit.text = *chosen;
    return FormReply::Stay();
  };
}

// --- TDoSwap ----------------------------------------------------------------------

TDoSwap::TDoSwap(FileChecks& files) : FileCommandDialog("TDoSwap", "Load A New Macro File", 410, 78, files) {
  helpKeyword = "Swap Macro File";
  browseButton.onClick = BrowseInto(pathEdit, "Tavrix (*.TVX)|*.TVX", "TVX");
  activeControl = &pathEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoSwap::Load(int, const ScriptRecord& values) { pathEdit.text = std::get<NameRecord>(values).name; }

FormReply TDoSwap::OkButtonClick() {
  const std::string path = TrimmedText(pathEdit.text);
  const std::optional<std::string> shortPath = path.empty() ? std::nullopt : files.ShortPath(path);
  if (!shortPath || !files.FileExists(path)) {
    return FormReply::Refuse("Error", "Specified Macro File does not exist.  Please correct.", pathEdit);
  }
  return Accept("<SWAP:" + *shortPath + ">", lk::LoadMacroFile, NameRecord{*shortPath});
}

// --- TDoTextInsert ----------------------------------------------------------------

TDoTextInsert::TDoTextInsert(FileChecks& files, Ui& ui)
    : FileCommandDialog("TDoTextInsert", "Load Text from a Text File", 410, 106, files) {
  this->ui = &ui;
  browseButton.onClick = BrowseInto(pathEdit, "Text Files (*TXT)|*.TXT|Any Files (*.*)|*.*", "TXT");
  editButton.onClick = [this] { return EditButtonClick(); };
  activeControl = &pathEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoTextInsert::Load(int, const ScriptRecord& values) { pathEdit.text = std::get<NameRecord>(values).name; }

FormReply TDoTextInsert::OkButtonClick() {
  const std::string path = TrimmedText(pathEdit.text);
  if (!path.empty() && files.FileExists(path)) {
    const std::string shortPath = files.ShortPath(path).value_or(path);
    return Accept("<TFILE:" + shortPath + ">", lk::LoadTextFile, NameRecord{shortPath});
  }
  // The user may want a file that is not there yet: No takes the path as typed.
  if (ui->AskYesNo("Warning", "Specified Path and Program does not exist.  Do you wish to correct?")) {
    return FormReply::Stay();
  }
  return Accept("<TFILE:" + path + ">", lk::LoadTextFile, NameRecord{path});
}

FormReply TDoTextInsert::EditButtonClick() {
  const std::string path = TrimmedText(pathEdit.text);
  if (path.empty() || !files.FileExists(path)) {
    return FormReply::Refuse("Error", "Specified Path and Program does not exist.  Unable to open text file.", pathEdit);
  }
  if (openInNotepad) openInNotepad(path);
  return FormReply::Stay();
}

// --- TDoClipboard -----------------------------------------------------------------

TDoClipboard::TDoClipboard(FileChecks& files) : FileCommandDialog("TDoClipboard", "Clipboard", 410, 170, files) {
  fileRadio.checked = true;
  browseButton.onClick = BrowseInto(pathEdit, "Text Files (*.TXT)|*.TXT", "TXT");
  activeControl = &pathEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoClipboard::Load(int, const ScriptRecord& values) {
  const auto& clipboard = std::get<ClipboardRecord>(values);
  CheckIndex({&startRadio, &endRadio, &fileRadio, &copyRadio, &pasteRadio}, clipboard.clipboardKind);
  pathEdit.text = clipboard.file;
}

FormReply TDoClipboard::OkButtonClick() {
  const int kind = CheckedIndex({&startRadio, &endRadio, &fileRadio, &copyRadio, &pasteRadio});
  switch (kind) {
    case 1: return Accept("<BEGCLIP>", lk::ClipboardStartCopy, ClipboardRecord{1, {}});
    case 2: return Accept("<ENDCLIP>", lk::ClipboardEndCopy, ClipboardRecord{2, {}});
    case 4: return Accept("<CLIPC>", lk::ClipboardCopy, ClipboardRecord{4, {}});
    case 5: return Accept("<CLIPP>", lk::ClipboardPaste, ClipboardRecord{5, {}});
    default: break;
  }
  const std::string path = TrimmedText(pathEdit.text);
  const std::optional<std::string> shortPath = path.empty() ? std::nullopt : files.ShortPath(path);
  if (!shortPath || !files.FileExists(path)) return FormReply::Refuse("Error", kTextFileMissing, pathEdit);
  return Accept("<CLIPF:" + *shortPath + ">", lk::ClipboardFileCopy, ClipboardRecord{3, *shortPath});
}

// --- TDoDOSFiles ------------------------------------------------------------------

TDoDOSFiles::TDoDOSFiles(FileChecks& files) : FileCommandDialog("TDoDOSFiles", "File Manipulation", 410, 180, files) {
  helpKeyword = "File Commands";
  folderRadio.checked = true;
  for (RadioButton* radio : {&folderRadio, &copyRadio, &renameRadio, &deleteRadio}) {
    radio->onClick = [this] {
      ShowChoice();
      return FormReply::Stay();
    };
  }
  browseButton.onClick = BrowseInto(pathEdit, "All Files (*.*)|*.*", "");
  activeControl = &pathEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
  ShowChoice();
}

void TDoDOSFiles::ShowChoice() {
  const bool twoNames = copyRadio.checked || renameRadio.checked;
  newNameLabel.visible = newNameEdit.visible = twoNames;
}

void TDoDOSFiles::Load(int, const ScriptRecord& values) {
  const auto& file = std::get<FileRecord>(values);
  // The radios stand in the order folder, copy, rename, delete: the file kinds.
  CheckIndex({&folderRadio, &copyRadio, &renameRadio, &deleteRadio}, file.fileKind);
  pathEdit.text = file.firstPath;
  newNameEdit.text = file.secondPath;
  ShowChoice();
}

FormReply TDoDOSFiles::OkButtonClick() {
  const int kind = CheckedIndex({&folderRadio, &copyRadio, &renameRadio, &deleteRadio});
  const std::string path = TrimmedText(pathEdit.text);
  if (kind == 1) {
    std::optional<std::string> folder = path.empty() || !files.FolderExists(path) ? std::nullopt : files.ShortPath(path);
    if (!folder) {
      return FormReply::Refuse("Error", "Specified directory/folder does not exist.  Please correct.", pathEdit);
    }
    if (folder->size() > 1 && folder->back() == '\\') folder->pop_back();
    return Accept("<CHDIR:" + *folder + ">", lk::ChangeFolder, FileRecord{1, *folder, {}});
  }
  const std::string newName = TrimmedText(newNameEdit.text);
  if ((kind == 2 || kind == 3) && newName.empty()) {
    // The focus stays where it was: on the button just pressed.
    return FormReply::Refuse("Error", "No new name specified.  Please correct.", buttons.ok);
  }
  if (path.empty() || !files.FileExists(path)) return FormReply::Refuse("Error", kTextFileMissing, pathEdit);
  switch (kind) {
    case 2: return Accept("<COPYFILE:" + path + ";" + newName + ">", lk::CopyFile, FileRecord{2, path, newName});
    case 3: return Accept("<RENFILE:" + path + ";" + newName + ">", lk::RenameFile, FileRecord{3, path, newName});
    default: return Accept("<DELFILE:" + path + ">", lk::DeleteFile, FileRecord{4, path, {}});
  }
}

// --- TDoSound ---------------------------------------------------------------------

TDoSound::TDoSound(FileChecks& files) : FileCommandDialog("TDoSound", "Set Sound", 336, 140, files) {
  beepRadio.checked = true;
  waitBox.checked = true;
  browseButton.onClick = BrowseInto(pathEdit, "Wave Files (*.WAV)|*.WAV", "WAV");
  testButton.onClick = [this] {
    const std::string path = TrimmedText(pathEdit.text);
    if (path.empty() || !this->files.FileExists(path)) return FormReply::Refuse("Error", kWaveMissing, pathEdit);
    if (playWave) playWave(path);
    return FormReply::Stay();
  };
  activeControl = &beepRadio;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoSound::Load(int, const ScriptRecord& values) {
  const auto& sound = std::get<SoundRecord>(values);
  CheckIndex({&beepRadio, &waveRadio}, sound.soundKind);
  pathEdit.text = sound.file;
  waitBox.checked = sound.waveFlag;
}

FormReply TDoSound::OkButtonClick() {
  if (beepRadio.checked) return Accept("<BEEP>", lk::SoundBeep, SoundRecord{1, {}, true});
  const std::string path = TrimmedText(pathEdit.text);
  if (path.empty() || !files.FileExists(path)) return FormReply::Refuse("Error", kWaveMissing, pathEdit);
  const bool wait = waitBox.checked;
  return Accept(std::string(wait ? "<WAV1:" : "<WAV2:") + path + ">", lk::SoundWaveFile, SoundRecord{2, path, wait});
}

// --- TDoRemark --------------------------------------------------------------------

TDoRemark::TDoRemark() : CommandDialog("TDoRemark", "Remark", 336, 92) {
  activeControl = &commentEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoRemark::Load(int, const ScriptRecord& values) { commentEdit.text = std::get<NameRecord>(values).name; }

FormReply TDoRemark::OkButtonClick() {
  const std::string comment = TrimmedText(commentEdit.text).substr(0, 240);
  return Accept("<REM:" + comment + ">", lk::Remark, NameRecord{comment});
}

// --- TDoWebStuff ------------------------------------------------------------------

TDoWebStuff::TDoWebStuff(bool ftp, bool newLine)
    : CommandDialog("TDoWebStuff", ftp ? "Internet FTP" : "Internet Web Site", 336, 92), ftp(ftp) {
  addressLabel.text = ftp ? "FTP URL" : "Web Site URL";
  if (newLine) addressEdit.text = ftp ? "ftp://" : "http://";
  activeControl = &addressEdit;
  buttons.ok.onClick = [this] { return OkButtonClick(); };
}

void TDoWebStuff::Load(int, const ScriptRecord& values) { addressEdit.text = std::get<NameRecord>(values).name; }

FormReply TDoWebStuff::OkButtonClick() {
  std::string address = TrimmedText(addressEdit.text).substr(0, kRecordStringCapacity);
  if (ftp) return Accept("<FTP:" + address + ">", lk::WebFtp, NameRecord{address});
  const bool startsWithWww = address.size() >= 3 && (address[0] == 'W' || address[0] == 'w') &&
                             (address[1] == 'W' || address[1] == 'w') && (address[2] == 'W' || address[2] == 'w');
  if (startsWithWww) address = "http://" + address;
  return Accept("<HTTP:" + address + ">", lk::WebSite, NameRecord{address});
}

}  // namespace tavrix
