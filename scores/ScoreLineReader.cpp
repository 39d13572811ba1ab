#include "scores/ScoreLineReader.h"

#include "platform/FrameworkError.h"
#include "platform/PlayerText.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

std::string CannotOpen(const std::string& path, int error)
{
    if (error == ENOENT)
        return QCoreApplication::translate("ScoreFile", "File not found").toStdString();
    return PlayerText::Fill(QCoreApplication::translate("ScoreFile", "Cannot open file \"%1\". %2"),
                            {path, std::strerror(error)});
}

}  // namespace

ScoreLineReader::ScoreLineReader(const std::string& path) : path_(path)
{
    RegularFile file(path);
    if (!file.IsOpen()) {
        throw FrameworkError(file.Error() != 0
                                 ? CannotOpen(path, file.Error())
                                 : PlayerText::Fill(QCoreApplication::translate(
                                                        "ScoreFile", "Cannot open file \"%1\". Not a file"),
                                                    {path}));
    }
    file_ = file.TakeStream();
    if (!file_)
        throw FrameworkError(CannotOpen(path, errno));
}

ScoreLineReader::~ScoreLineReader()
{
    if (file_)
        std::fclose(file_);
}

bool ScoreLineReader::EndsLine(int c)
{
    if (c == '\n')
        return true;
    if (c != '\r')
        return false;
    const int next = std::fgetc(file_);
    if (next != '\n' && next != EOF)
        std::ungetc(next, file_);
    return true;
}

ScoreLineReader::Result ScoreLineReader::ReadLine(QByteArray& line, int limit)
{
    line.clear();
    for (;;) {
        const int c = std::fgetc(file_);
        if (c == EOF) {
            if (std::ferror(file_)) {
                error_ = PlayerText::Fill(QCoreApplication::translate("ScoreFile", "Cannot read file \"%1\". %2"),
                                          {path_, std::strerror(errno)});
                return Result::Failed;
            }
            return line.isEmpty() ? Result::End : Result::Line;
        }
        if (EndsLine(c))
            return Result::Line;
        if (line.size() == limit)
            return Result::TooLong;
        line.append(static_cast<char>(c));
    }
}

bool ScoreLineReader::SkipRestOfLine(long limit)
{
    for (long read = 0; read < limit; ++read) {
        const int c = std::fgetc(file_);
        if (c == EOF)
            return !std::ferror(file_);
        if (EndsLine(c))
            return true;
    }
    return false;
}
