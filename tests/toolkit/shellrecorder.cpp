// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Stands in for the mail program and the browser in tst_windowsdesktop: the
// shell starts it with a link, and it writes its arguments, one a line in
// UTF-8, to the file that QUORVEL_SHELL_RECORD names.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

int main()
{
    wchar_t record[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QUORVEL_SHELL_RECORD", record, MAX_PATH) == 0)
        return 2;
    int argc = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr)
        return 2;
    std::wstring text;
    for (int i = 1; i < argc; ++i)
        text += std::wstring(argv[i]) + L"\n";
    LocalFree(argv);

    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    // Written aside and then renamed, so that the test never reads half of it.
    const std::wstring part = std::wstring(record) + L".part";
    FILE *file = _wfopen(part.c_str(), L"wb");
    if (file == nullptr)
        return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written)
        return 1;
    return MoveFileExW(part.c_str(), record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
