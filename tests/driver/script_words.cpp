#include "tests/driver/script_words.h"

#include <cerrno>
#include <cstdlib>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// Reads a quoted word starting after its opening quote; at points after the closing quote.
bool readQuoted(const std::string& line, size_t& at, std::string& word, std::string& error) {
    while (at < line.size() && !isLineBreak(line[at])) {
        const char c = line[at++];
        if (c == '"') return true;
        if (c != '\\') {
            word += c;
            continue;
        }
        const char next = at < line.size() ? line[at++] : '\0';
        switch (next) {
        case '\\': word += '\\'; break;
        case '"': word += '"'; break;
        case 'n': word += '\n'; break;
        case 't': word += '\t'; break;
        default:
            error = std::string("unknown escape \\") + (next ? std::string(1, next) : std::string()) +
                    " in quotes (write \\\\ for a backslash)";
            return false;
        }
    }
    error = "a quoted word has no closing quote";
    return false;
}

}  // namespace

bool isCommandLine(const std::string& line) {
    for (char c : line) {
        if (isBlank(c) || isLineBreak(c)) continue;
        return c != '#';
    }
    return false;
}

bool splitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at >= line.size() || isLineBreak(line[at])) return true;
        std::string word;
        if (line[at] == '"') {
            ++at;
            if (!readQuoted(line, at, word, error)) return false;
            if (at < line.size() && !isBlank(line[at]) && !isLineBreak(line[at])) {
                error = "text right after a closing quote";
                return false;
            }
        } else {
            while (at < line.size() && !isBlank(line[at]) && !isLineBreak(line[at])) {
                if (line[at] == '"') {
                    error = "a quote inside an unquoted word";
                    return false;
                }
                word += line[at++];
            }
        }
        words.push_back(word);
    }
}

std::string restAfterFirstWord(const std::string& line) {
    size_t at = 0;
    while (at < line.size() && isBlank(line[at])) ++at;
    while (at < line.size() && !isBlank(line[at]) && !isLineBreak(line[at])) ++at;
    while (at < line.size() && isBlank(line[at])) ++at;
    size_t end = at;
    while (end < line.size() && !isLineBreak(line[end])) ++end;
    return line.substr(at, end - at);
}

bool parseNumber(const std::string& word, long& value) {
    if (word.empty()) return false;
    const bool negative = word[0] == '-';
    const std::string digits = negative ? word.substr(1) : word;
    int base = 10;
    std::string body = digits;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        body = digits.substr(2);
    }
    if (body.empty() || body[0] == '+' || body[0] == '-' || isBlank(body[0])) return false;
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(body.c_str(), &end, base);
    if (errno != 0 || *end != '\0') return false;
    value = negative ? -parsed : parsed;
    return true;
}

std::string quotedWord(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + "\"";
}
