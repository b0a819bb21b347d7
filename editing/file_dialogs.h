// The command dialogs that name a file, a folder, a sound, an address or a
// remark.
#pragma once

#include <functional>

#include "editing/command_dialog.h"
#include "editing/file_checks.h"
#include "platform/ui.h"

namespace tavrix {

// The dialogs that browse for a file: the file dialog and the checks.
class FileCommandDialog : public CommandDialog {
 public:
  FileCommandDialog(std::string name, std::string caption, int width, int height, FileChecks& files)
      : CommandDialog(std::move(name), std::move(caption), width, height), files(files) {}
  FileChecks& files;
  Ui* ui = nullptr;  // for "&Browse"

 protected:
  // "&Browse" fills `edit` with the chosen path.
  Handler BrowseInto(Edit& edit, std::string filter, std::string extension);
};

// "Load A New Macro File".
class TDoSwap : public FileCommandDialog {
 public:
  explicit TDoSwap(FileChecks& files);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  Label pathLabel{*this, "PathLabel", {8, 12, 90, 16}, "File Path/Name"};
  Edit pathEdit{*this, "PathEdit", {100, 8, 220, 21}};
  Button browseButton{*this, "BrowseButton", {326, 6, 75, 25}, "&Browse"};
  DialogButtons buttons{*this, 44};
};

// "Load Text from a Text File".
class TDoTextInsert : public FileCommandDialog {
 public:
  TDoTextInsert(FileChecks& files, Ui& ui);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;
  FormReply EditButtonClick();

  // Opens a text file in notepad (the caller gives the way).
  std::function<void(const std::string& path)> openInNotepad;

  Label pathLabel{*this, "PathLabel", {8, 12, 90, 16}, "File Path/Name"};
  Edit pathEdit{*this, "PathEdit", {100, 8, 220, 21}};
  Button browseButton{*this, "BrowseButton", {326, 6, 75, 25}, "&Browse"};
  Button editButton{*this, "EditButton", {326, 36, 75, 25}, "&Edit Text File"};
  DialogButtons buttons{*this, 72};
};

// "Clipboard".
class TDoClipboard : public FileCommandDialog {
 public:
  explicit TDoClipboard(FileChecks& files);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton startRadio{*this, "StartRadio", {8, 8, 300, 17}, "&Start Clipboard Copy"};
  RadioButton endRadio{*this, "EndRadio", {8, 26, 300, 17}, "&End Clipboard Copy"};
  RadioButton fileRadio{*this, "FileRadio", {8, 44, 300, 17}, "C&opy Text File To Clipboard"};
  Label pathLabel{*this, "PathLabel", {24, 66, 110, 16}, "Text File Path/Name"};
  Edit pathEdit{*this, "PathEdit", {136, 62, 180, 21}};
  Button browseButton{*this, "BrowseButton", {322, 60, 75, 25}, "&Browse"};
  RadioButton copyRadio{*this, "CopyRadio", {8, 92, 300, 17}, "&Issue Copy To Clipboard Command (CTRL+C)"};
  RadioButton pasteRadio{*this, "PasteRadio", {8, 110, 300, 17}, "Issue &Paste From Clipboard Command (CTRL+V)"};
  DialogButtons buttons{*this, 136};
};

// "File Manipulation": change folder, copy, rename or delete.
class TDoDOSFiles : public FileCommandDialog {
 public:
  explicit TDoDOSFiles(FileChecks& files);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  RadioButton folderRadio{*this, "FolderRadio", {8, 8, 180, 17}, "Ch&ange Directory/Folder"};
  RadioButton copyRadio{*this, "CopyRadio", {8, 26, 180, 17}, "Cop&y File"};
  RadioButton renameRadio{*this, "RenameRadio", {8, 44, 180, 17}, "&Rename File"};
  RadioButton deleteRadio{*this, "DeleteRadio", {8, 62, 180, 17}, "&Delete File"};
  Label pathLabel{*this, "PathLabel", {8, 90, 110, 16}, "Text File Path/Name"};
  Edit pathEdit{*this, "PathEdit", {120, 86, 200, 21}};
  Button browseButton{*this, "BrowseButton", {326, 84, 75, 25}, "&Browse"};
  Label newNameLabel{*this, "NewNameLabel", {8, 118, 110, 16}, "New Name"};
  Edit newNameEdit{*this, "NewNameEdit", {120, 114, 200, 21}};
  DialogButtons buttons{*this, 146};

 private:
  void ShowChoice();
};

// "Set Sound": a beep or a wave file.
class TDoSound : public FileCommandDialog {
 public:
  explicit TDoSound(FileChecks& files);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  // "&Test" plays the file without waiting (the caller gives the way).
  std::function<void(const std::string& path)> playWave;

  RadioButton beepRadio{*this, "BeepRadio", {8, 8, 120, 17}, "&Beep"};
  RadioButton waveRadio{*this, "WaveRadio", {8, 28, 120, 17}, "&Wave File"};
  Edit pathEdit{*this, "PathEdit", {24, 48, 220, 21}};
  Button browseButton{*this, "BrowseButton", {250, 46, 75, 25}, "&Browse"};
  CheckBox waitBox{*this, "WaitBox", {24, 76, 220, 17}, "Wait for wave file to &finish"};
  Button testButton{*this, "TestButton", {250, 74, 75, 25}, "&Test"};
  DialogButtons buttons{*this, 106};
};

// "Remark".
class TDoRemark : public CommandDialog {
 public:
  TDoRemark();
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  Label commentLabel{*this, "CommentLabel", {8, 8, 80, 16}, "Comment"};
  Edit commentEdit{*this, "CommentEdit", {8, 26, 320, 21}, 240};
  DialogButtons buttons{*this, 58};
};

// "Internet Web Site" or "Internet FTP".
class TDoWebStuff : public CommandDialog {
 public:
  // `ftp`: an FTP address instead of a web site; `newLine`: the edit starts
  // with the address's scheme.
  TDoWebStuff(bool ftp, bool newLine);
  void Load(int kind, const ScriptRecord& record) override;
  FormReply OkButtonClick() override;

  const bool ftp;
  Label addressLabel{*this, "AddressLabel", {8, 8, 100, 16}};
  Edit addressEdit{*this, "AddressEdit", {8, 26, 320, 21}};
  DialogButtons buttons{*this, 58};
};

}  // namespace tavrix
