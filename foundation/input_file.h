// The files the programs read as input (batch files, import files, scripts),
// read with bounded memory whatever they hold.
//
// A named input must be a regular file: a folder would read as empty, a
// device such as /dev/zero or a FIFO may never end, so they are refused
// before anything is read. Lines are read up to a length limit, a whole
// input up to a size limit; the caller reports what went over.
#pragma once

#include <cstddef>
#include <fstream>
#include <istream>
#include <string>

namespace orrery {

// The longest line of a batch input (chart and atlas batches): their lines
// hold a few short fields, so anything longer is no batch line.
inline constexpr std::size_t MaxBatchLine = 4096;

// Opens the regular file name for reading; empty on success, otherwise why
// it is not an input ("'/tmp' is a folder, not a file").
std::string OpenInputFile(const std::string& name, std::ifstream& file);

enum class LineRead { Line, End, TooLong };

// The next line without its newline (a carriage return stays). TooLong when
// it holds more than maxBytes: line then holds its first maxBytes and the
// rest is not read.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t maxBytes);

// The whole input into text; false, with text cut at maxBytes + 1, when it
// is longer than maxBytes.
bool ReadBoundedText(std::istream& in, std::string& text, std::size_t maxBytes);

}  // namespace orrery
