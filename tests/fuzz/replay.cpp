// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers
//
// Stands in for libFuzzer where it is not built in (GCC, the ordinary test
// builds): runs a target once on every file of the directories or files
// named, so that the seed corpus and every crash once found stay tests.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {
int replay(const std::filesystem::path &file)
{
    std::ifstream stream(file, std::ios::binary);
    // string(), not c_str(): on Windows c_str() is a wide string.
    if (!stream.is_open()) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return 1;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    // Printed first: when a check stops the run, the last name is the input.
    std::printf("%s\n", file.string().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            const std::filesystem::directory_iterator directory(path);
            files.insert(files.end(), begin(directory), end(directory));
        } else {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s FILE-OR-DIRECTORY...\n", argv[0]);
        return 2;
    }
    if (std::any_of(files.begin(), files.end(), [](const auto &file) { return replay(file) != 0; }))
        return 1;
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
