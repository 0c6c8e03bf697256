#include "data/UserDirs.h"

#include <cerrno>
#include <cstring>
#include <map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumark {

namespace {

bool IsNameStart(char c) { return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameChar(char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
/// Ends a word outside quotes: a blank, the end of a line or of a command.
bool EndsWord(char c) { return IsBlank(c) || c == '\n' || c == ';'; }

/// One word of a command after quote removal and expansion.
struct Word {
    std::string value;
    bool plain = true;           ///< nothing quoted or expanded: may be a command's name
    std::size_t nameLength = 0;  ///< NAME=value: the length of NAME; else 0
};

/// Runs the assignments of a shell text, keeping the variables they set.
class ShellReader {
public:
    ShellReader(std::string_view text, const std::string& home) : text_(text) {
        variables_["HOME"] = home;
    }

    std::optional<std::string> documents() {
        while (at_ < text_.size() && !open_) command();
        const auto found = variables_.find("XDG_DOCUMENTS_DIR");
        if (found == variables_.end()) return std::nullopt;
        return found->second;
    }

private:
    bool more() const { return at_ < text_.size() && !open_; }
    char next() const { return at_ + 1 < text_.size() ? text_[at_ + 1] : '\n'; }

    /// One simple command up to a line end or ";": its assignments stay unless
    /// it names a command or holds what is not understood.
    void command() {
        std::vector<std::pair<std::string, std::optional<std::string>>> undo;
        bool understood = true;
        bool exporting = false;
        bool commandWord = false;
        for (int words = 0; more(); ++words) {
            while (more() && (IsBlank(text_[at_]) || (text_[at_] == '\\' && next() == '\n')))
                at_ += text_[at_] == '\\' ? 2 : 1;
            if (!more()) break;
            if (text_[at_] == '\n' || text_[at_] == ';') {
                ++at_;
                break;
            }
            if (text_[at_] == '#') {
                while (at_ < text_.size() && text_[at_] != '\n') ++at_;
                continue;
            }
            Word word = readWord(understood);
            if (words == 0 && word.plain && word.value == "export") {
                exporting = true;
            } else if (word.nameLength > 0 && !commandWord) {
                std::string name = word.value.substr(0, word.nameLength);
                auto [at, added] = variables_.try_emplace(name);
                undo.emplace_back(name, added ? std::nullopt : std::optional(at->second));
                at->second = word.value.substr(word.nameLength + 1);
            } else if (!exporting) {
                commandWord = true;
            }
        }
        if (understood && !commandWord && !open_) return;
        for (auto it = undo.rbegin(); it != undo.rend(); ++it) {
            if (it->second)
                variables_[it->first] = *it->second;
            else
                variables_.erase(it->first);
        }
    }

    Word readWord(bool& understood) {
        Word word;
        bool nameSoFar = true;  // the word so far is an unquoted name
        bool tilde = false;     // at the start of an assignment's value, or after its ':'
        while (more() && !EndsWord(text_[at_])) {
            const char c = text_[at_];
            if (c == '\\' && next() == '\n') {
                at_ += 2;
                continue;
            }
            if (tilde && c == '~') {
                if (!EndsWord(next()) && next() != '/' && next() != ':') understood = false;
                word.value += variables_["HOME"];
                ++at_;
                tilde = false;
                continue;
            }
            tilde = false;
            if (c == '=' && nameSoFar && !word.value.empty() && word.nameLength == 0) {
                word.nameLength = word.value.size();
                tilde = true;
            } else if (c == ':' && word.nameLength > 0) {
                tilde = true;
            } else if (!IsNameChar(c) || (word.value.empty() && !IsNameStart(c))) {
                nameSoFar = false;
            }
            switch (c) {
                case '\\':
                    word.value += at_ + 1 < text_.size() ? text_[at_ + 1] : '\\';
                    at_ += 2;
                    break;
                case '\'': {
                    const std::size_t end = text_.find('\'', at_ + 1);
                    if (end == std::string_view::npos) {
                        open_ = true;
                        return word;
                    }
                    word.value.append(text_.substr(at_ + 1, end - at_ - 1));
                    at_ = end + 1;
                    break;
                }
                case '"':
                    ++at_;
                    readDoubleQuoted(word.value, understood);
                    break;
                case '$':
                    expand(word.value, understood);
                    break;
                case '`':
                case '&':
                case '|':
                case '<':
                case '>':
                case '(':
                case ')':
                    understood = false;  // a command or a redirection
                    [[fallthrough]];
                default:
                    word.value += c;
                    ++at_;
            }
            if (c == '\\' || c == '\'' || c == '"' || c == '$') word.plain = nameSoFar = false;
        }
        return word;
    }

    /// After the opening quote, up to and past the closing one.
    void readDoubleQuoted(std::string& value, bool& understood) {
        while (more() && text_[at_] != '"') {
            const char c = text_[at_];
            if (c == '\\' && at_ + 1 < text_.size() && next() != '\0' &&
                std::strchr("$`\"\\\n", next())) {
                if (next() != '\n') value += next();
                at_ += 2;
            } else if (c == '$') {
                expand(value, understood);
            } else {
                if (c == '`') understood = false;
                value += c;
                ++at_;
            }
        }
        if (at_ >= text_.size()) open_ = true;
        ++at_;
    }

    /// At a "$": $NAME or ${NAME} of a known variable; a "$" before anything
    /// else that is not a parameter stays itself.
    void expand(std::string& value, bool& understood) {
        ++at_;
        std::string name;
        if (at_ < text_.size() && text_[at_] == '{') {
            const std::size_t end = text_.find('}', at_);
            if (end == std::string_view::npos) {
                open_ = true;
                return;
            }
            name = text_.substr(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            if (name.empty() || !IsNameStart(name[0])) name.clear();
            for (const char c : name)
                if (!IsNameChar(c)) name.clear();
        } else if (at_ < text_.size() && IsNameStart(text_[at_])) {
            while (at_ < text_.size() && IsNameChar(text_[at_])) name += text_[at_++];
        } else if (at_ < text_.size() && text_[at_] != '\0' &&
                   std::strchr("0123456789@*#?-$!(", text_[at_])) {
            understood = false;  // a parameter of the shell, or a command's output
            return;
        } else {
            value += '$';
            return;
        }
        const auto found = variables_.find(name);
        if (found == variables_.end())
            understood = false;
        else
            value += found->second;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool open_ = false;  // a quote or brace left open: the shell stops there
    std::map<std::string, std::string, std::less<>> variables_;
};

/// Closes the descriptor when the read ends, however it ends.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

}  // namespace

UserDirsFile ReadUserDirsFile(const std::string& path) {
    UserDirsFile file;
    const std::string unread = path + " was not read: ";
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const Descriptor in{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
    if (in.fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) file.note = unread + std::strerror(errno) + ".";
        return file;
    }
    struct stat status {};
    if (::fstat(in.fd, &status) != 0) {
        file.note = unread + std::strerror(errno) + ".";
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        const std::string kind = KindOf(status.st_mode);
        file.note =
            unread + (kind[0] == 'a' ? "it is " + kind + ", not a file." : "it is " + kind + ".");
        return file;
    }
    const std::string tooLarge =
        unread + "it is larger than " + std::to_string(kMaxUserDirsBytes / 1024) + " KB.";
    if (static_cast<std::size_t>(status.st_size) > kMaxUserDirsBytes) {
        file.note = tooLarge;
        return file;
    }
    // Read one byte past the limit: a file that grows, or reports no size, is still bounded.
    file.text.resize(kMaxUserDirsBytes + 1);
    std::size_t done = 0;
    while (done < file.text.size()) {
        const ssize_t got = ::read(in.fd, file.text.data() + done, file.text.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            file.note = unread + std::strerror(errno) + ".";
            file.text.clear();
            return file;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    file.text.resize(done);
    if (done > kMaxUserDirsBytes) {
        file.note = tooLarge;
        file.text.clear();
    }
    return file;
}

std::optional<std::string> DocumentsDirAssigned(std::string_view text, const std::string& home) {
    return ShellReader(text, home).documents();
}

}  // namespace vellumark
