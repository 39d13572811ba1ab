#include "platform/DataPath.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <cstring>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::vector<std::string> SplitComponents(const std::string& path, bool backslashSeparates = true)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/' || (backslashSeparates && c == '\\')) {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

bool Exists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return QString::fromUtf8(a.data(), qsizetype(a.size()))
               .compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive)
           == 0;
}

// The entry of `directory` that equals `name` but for case, if any.
std::optional<std::string> FindCaseVariant(const std::string& directory, const std::string& name)
{
    std::error_code ec;
    fs::directory_iterator it(directory.empty() ? "." : directory, ec);
    if (ec)
        return std::nullopt;
    std::optional<std::string> best;
    for (const fs::directory_entry& entry : it) {
        std::string candidate = entry.path().filename().string();
        if (SameIgnoringCase(candidate, name) && (!best || candidate < *best))
            best = std::move(candidate);
    }
    return best;
}

std::string Append(const std::string& prefix, const std::string& component)
{
    if (prefix.empty())
        return component;
    if (prefix.back() == '/')
        return prefix + component;
    return prefix + '/' + component;
}

}  // namespace

std::string ResolveDataPath(const std::string& baseDir, const std::string& relative)
{
    const bool absolute = (!baseDir.empty() && baseDir.front() == '/')
                          || (baseDir.empty() && !relative.empty() && IsSeparator(relative.front()));
    std::vector<std::string> parts = SplitComponents(baseDir, false);
    for (std::string& part : SplitComponents(relative))
        parts.push_back(std::move(part));

    std::string path = absolute ? "/" : "";
    bool searching = true;
    for (const std::string& part : parts) {
        std::string next = Append(path, part);
        if (searching && part != "." && part != ".." && !Exists(next)) {
            if (std::optional<std::string> variant = FindCaseVariant(path, part))
                next = Append(path, *variant);
            else
                searching = false;
        }
        path = std::move(next);
    }
    return path;
}

std::string ResolveDataPath(const std::string& relative) { return ResolveDataPath(std::string(), relative); }

std::string StartFolderProblem()
{
    std::error_code ec;
    const fs::path dir = fs::current_path(ec);
    const auto unusable = [](const std::string& reason) {
        return PlayerText::Fill(
            QCoreApplication::translate("DataPath", "The folder the game was started in cannot be used: %1."), {reason});
    };
    if (ec)
        return unusable(ec.message());
    if (!dir.is_absolute())
        return unusable(QCoreApplication::translate("DataPath", "its name is unknown").toStdString());
    // A folder may be gone while its name still reads back from the kernel.
    struct stat here {
    }, named{};
    if (::stat(".", &here) != 0 || ::stat(dir.c_str(), &named) != 0 || here.st_dev != named.st_dev
        || here.st_ino != named.st_ino)
        return unusable(QCoreApplication::translate("DataPath", "it no longer exists").toStdString());
    if (::access(".", X_OK) != 0)
        return unusable(std::strerror(errno));
    return {};
}

std::string CurrentBaseDir()
{
    if (const std::string problem = StartFolderProblem(); !problem.empty())
        throw FrameworkError(problem);
    std::error_code ec;
    std::string dir = fs::current_path(ec).string();
    while (!dir.empty() && dir.back() == '/')
        dir.pop_back();
    return dir;
}

QString DoubleDensityName(const QString& fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash)
        dot = fileName.size();
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}
