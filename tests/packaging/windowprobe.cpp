// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// windowprobe SHORTCUT
//
// Starts the program that a shortcut points at, as the Start menu would,
// waits for its first visible top-level window, and prints the shortcut's
// target, that window's client size in pixels and its DPI. Then closes the
// window as its close box would, and prints how the program ended.
//
// windowprobe --list
//
// Prints the title and the screen rectangle (left, top, width, height) of
// every visible top-level window with a title, one a line, for the
// screenshot script.
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {
struct Search
{
    DWORD process = 0;
    HWND window = nullptr;
};

BOOL CALLBACK findTopLevel(HWND window, LPARAM data)
{
    auto *search = reinterpret_cast<Search *>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    search->window = window;
    return FALSE;
}

BOOL CALLBACK listTopLevel(HWND window, LPARAM)
{
    wchar_t title[256] = {};
    RECT frame{};
    if (!IsWindowVisible(window) || GetWindowTextW(window, title, 256) == 0 || !GetWindowRect(window, &frame))
        return TRUE;
    // UTF-8, for the Greek titles.
    char utf8[1024] = {};
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\t%ld %ld %ld %ld\n", utf8, frame.left, frame.top, frame.right - frame.left,
                frame.bottom - frame.top);
    return TRUE;
}

std::wstring shortcutTarget(const wchar_t *shortcut, std::wstring *directory)
{
    IShellLinkW *link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void **>(&link))))
        return {};
    std::wstring target;
    IPersistFile *file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))) {
        wchar_t buffer[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(shortcut, STGM_READ)) && SUCCEEDED(link->GetPath(buffer, MAX_PATH, nullptr, 0)))
            target = buffer;
        if (SUCCEEDED(link->GetWorkingDirectory(buffer, MAX_PATH)))
            *directory = buffer;
        file->Release();
    }
    link->Release();
    return target;
}

int fail(const char *what)
{
    std::printf("windowprobe: %s (error %lu)\n", what, GetLastError());
    return 1;
}
} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2) {
        std::printf("usage: windowprobe SHORTCUT | --list\n");
        return 2;
    }
    if (std::wstring(argv[1]) == L"--list") {
        EnumWindows(listTopLevel, 0);
        return 0;
    }
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return fail("cannot start COM");
    std::wstring directory;
    std::wstring target = shortcutTarget(argv[1], &directory);
    if (target.empty())
        return fail("cannot read the shortcut");
    std::printf("target: %ls\n", target.c_str());

    std::wstring commandLine = L"\"" + target + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(target.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &started))
        return fail("cannot start the shortcut's target");

    // A cold start under wine can take a while; a minute is far beyond it.
    Search search;
    search.process = started.dwProcessId;
    for (int waited = 0; search.window == nullptr && waited < 60000; waited += 100) {
        if (WaitForSingleObject(started.hProcess, 100) == WAIT_OBJECT_0)
            return fail("the program ended before it showed a window");
        EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    }
    if (search.window == nullptr) {
        TerminateProcess(started.hProcess, 1);
        return fail("the program showed no window within a minute");
    }
    // Let the first layout settle before measuring.
    Sleep(500);
    RECT client{};
    GetClientRect(search.window, &client);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    wchar_t title[256] = {};
    GetWindowTextW(search.window, title, 256);
    std::printf("title: %ls\nclient: %ld x %ld\ndpi: %d\n", title, client.right - client.left,
                client.bottom - client.top, dpi);

    PostMessageW(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(started.hProcess, 1);
        return fail("the program did not end when its window was closed");
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(started.hProcess, &exitCode);
    std::printf("exit code: %lu\n", exitCode);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    CoUninitialize();
    LocalFree(argv);
    return 0;
}
