// The exports of TVXHOOK.DLL, for the program's binding and the tests. All
// are __stdcall with undecorated names.
#pragma once

#include <windows.h>

extern "C" {

// Install a hook on the library's hook thread and return its handle (0 when
// it could not be installed).
HHOOK __stdcall TvxHookKeyboard();
HHOOK __stdcall TvxHookMouse();
HHOOK __stdcall TvxHookCBT();   // foreground-change watcher
HHOOK __stdcall TvxHookSwap();  // key-swap keyboard hook
// Remove a hook returned by one of the four; FALSE for an unknown handle.
BOOL __stdcall TvxUnHook(HHOOK hook);

// Publishing calls: take the named fields of the program's 19755-byte table.
void __stdcall TvxUpInit(const BYTE* table);
void __stdcall TvxUpItem(const BYTE* table, WORD macro);
void __stdcall TvxUpNumKeys(const BYTE* table);
void __stdcall TvxUpKeys(const BYTE* table);
void __stdcall TvxUpCapture(const BYTE* table);
void __stdcall TvxUpCaptureOn(const BYTE* table);
void __stdcall TvxUpInUse(const BYTE* table);
void __stdcall TvxUpWindow(const BYTE* table);
void __stdcall TvxUpWindow2(const BYTE* table);
void __stdcall TvxUpProg(const BYTE* table);
void __stdcall TvxUpProgs(const BYTE* table);
void __stdcall TvxUpKeyHook(const BYTE* table);
void __stdcall TvxUpMouseHook(const BYTE* table);
// Takes the 93 bytes of the key-swap tables into the library's own copy,
// which the swap hook applies; the named key-swap block is never read.
void __stdcall TvxUpSwapKeys(const BYTE* tables);

}  // extern "C"

// Pointer types for binding the exports at run time by GetProcAddress.
using TvxHookFn = HHOOK(__stdcall*)();
using TvxUnHookFn = BOOL(__stdcall*)(HHOOK);
using TvxPublishFn = void(__stdcall*)(const BYTE*);
using TvxPublishItemFn = void(__stdcall*)(const BYTE*, WORD);
