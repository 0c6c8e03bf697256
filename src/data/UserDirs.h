#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vellumark {

/// The largest user-dirs.dirs that is read; the desktop writes a few hundred bytes.
inline constexpr std::size_t kMaxUserDirsBytes = 64 * 1024;

/// The content of a user-dirs.dirs file, or why it was not read.
struct UserDirsFile {
    std::string text;
    /// Empty when the file was read or does not exist; else a sentence such as
    /// "/home/ann/.config/user-dirs.dirs was not read: it is a named pipe, not a file."
    std::string note;
};

/// Reads `path` when it is a regular file (links followed) of at most
/// kMaxUserDirsBytes. A pipe is never waited on and a device never read.
UserDirsFile ReadUserDirsFile(const std::string& path);

/// The value XDG_DOCUMENTS_DIR holds after the shell ran `text`, as
/// xdg-user-dir does with ". user-dirs.dirs"; nothing when the text does not set it.
/// The part of the shell a user-dirs.dirs uses is understood: assignments, alone or
/// after `export`, separated by line ends or ";"; comments; single and double
/// quotes; backslash escapes and line continuations; $NAME and ${NAME} for HOME
/// and the variables set before; "~" at the start of a value or after a ":".
///
///     XDG_DOCUMENTS_DIR="$HOME/Docs"      # /home/ann/Docs
///     export XDG_DOCUMENTS_DIR=~/My\ Docs  # /home/ann/My Docs
///
/// A command that needs more (another command, $(...), `...`, ${X:-y}, an unknown
/// variable, ~user) is skipped; a quote left open ends the reading there.
std::optional<std::string> DocumentsDirAssigned(std::string_view text, const std::string& home);

}  // namespace vellumark
