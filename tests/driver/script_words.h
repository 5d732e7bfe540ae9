// Reading one line of a driver script: words, quoted words with escapes, numbers.
// Portable, so the rules are unit-tested natively.
#pragma once

#include <string>
#include <vector>

// A line whose first non-blank character is '#', or that is blank, is no command.
bool isCommandLine(const std::string& line);

// Splits a line into words at blanks and tabs. A word in double quotes may hold
// blanks and the escapes \\ \" \n \t; any other backslash inside quotes is an
// error, so a Windows path pasted into quotes without doubling its backslashes
// is caught instead of read wrongly. Outside quotes every character is literal.
// Returns false and fills error on a bad line.
bool splitWords(const std::string& line, std::vector<std::string>& words, std::string& error);

// The text after the first word and the blanks after it, up to the end of the
// line without its line break; trailing blanks are kept (start passes it verbatim).
std::string restAfterFirstWord(const std::string& line);

// A decimal number, or hexadecimal after 0x; a leading '-' is allowed.
bool parseNumber(const std::string& word, long& value);

// The inverse of a quoted word: the text in quotes with its escapes, for messages.
std::string quotedWord(const std::string& text);
