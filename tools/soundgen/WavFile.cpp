#include "WavFile.h"

#include "ByteSink.h"

namespace WavFile {

std::vector<std::uint8_t> encode(const AudioBuffer& buffer)
{
    const std::vector<std::int16_t> pcm = buffer.pcm16();
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    ByteSink out;
    out.text("RIFF");
    out.le32(36 + dataBytes);
    out.text("WAVE");
    out.text("fmt ");
    out.le32(16);
    out.le16(1);  // PCM
    out.le16(2);
    out.le32(AudioBuffer::kSampleRate);
    out.le32(AudioBuffer::kSampleRate * 4);
    out.le16(4);
    out.le16(16);
    out.text("data");
    out.le32(dataBytes);
    for (std::int16_t s : pcm)
        out.le16(std::uint16_t(s));
    return out.bytes();
}

bool write(const AudioBuffer& buffer, const std::string& path) { return writeBytes(encode(buffer), path); }

}  // namespace WavFile
