#pragma once
// Whole-file operations on wide paths. Each opens, works and closes within
// the call: no file stays open between events.
#include <optional>
#include <string>
#include <string_view>

#include "core/file_error.h"
#include "core/line_reader.h"

namespace velk {

// A reader over the file's bytes, read in chunks as lines are asked for;
// nullopt when the file cannot be opened for reading. The file is closed
// when the reader is destroyed.
std::optional<LineReader> OpenLineReader(const std::wstring& path);

// The whole file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

// Creates the file or cuts it to zero length, then writes the bytes; the
// error says why it failed.
FileError WriteWholeFile(const std::wstring& path, std::string_view bytes);

// Replaces the file's whole content in one step (core/atomic_file.h): after
// any failure, a read-only file included, the file holds its old content or
// the new, never nothing; the error says why it failed.
FileError ReplaceFileContents(const std::wstring& path, std::string_view bytes);

// Appends the bytes at the end in a single write, creating the file when
// missing, so records of two writers never interleave.
bool AppendToFile(const std::wstring& path, std::string_view bytes);

// The folder of the running executable, with its trailing backslash.
std::wstring ExecutableFolder();

}  // namespace velk
