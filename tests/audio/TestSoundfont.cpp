#include "TestSoundfont.h"

#include <cmath>

namespace {

void Put(std::string& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

void PutName(std::string& out, const std::string& name)
{
    std::string field = name.substr(0, 19);
    field.resize(20, '\0');
    out += field;
}

std::string Chunk(const std::string& id, const std::string& body)
{
    std::string chunk = id;
    Put(chunk, std::uint32_t(body.size()), 4);
    return chunk + body;
}

// The bags, generators and modulators of one level, the terminal records included.
struct Level {
    std::string bags;
    std::string gens;
    std::string mods;
    std::uint16_t bagCount = 0;

    void Add(const std::vector<TestSoundfont::Zone>& zones)
    {
        for (const TestSoundfont::Zone& zone : zones) {
            Put(bags, std::uint32_t(gens.size() / 4), 2);
            Put(bags, std::uint32_t(mods.size() / 10), 2);
            ++bagCount;
            for (const TestSoundfont::Generator& gen : zone.gens) {
                Put(gens, gen.oper, 2);
                Put(gens, gen.amount, 2);
            }
            for (const std::string& mod : zone.mods)
                mods += mod;
        }
    }
    void End()
    {
        Put(bags, std::uint32_t(gens.size() / 4), 2);
        Put(bags, std::uint32_t(mods.size() / 10), 2);
        gens += std::string(4, '\0');
        mods += std::string(10, '\0');
    }
};

}  // namespace

TestSoundfont::Zone TestSoundfont::Naming(std::uint16_t oper, std::uint16_t index, std::uint16_t keys)
{
    return Zone{{{43, keys}, {oper, index}}, {}};
}

std::string TestSoundfont::Modulator(std::uint8_t seed)
{
    std::string mod(10, '\0');
    for (int i = 0; i < 10; ++i)
        mod[i] = char(seed + i);
    return mod;
}

std::string TestSoundfont::PresetData() const
{
    std::string phdr;
    Level presetLevel;
    for (const Preset& preset : presets) {
        PutName(phdr, preset.name);
        Put(phdr, preset.program, 2);
        Put(phdr, preset.bank, 2);
        Put(phdr, presetLevel.bagCount, 2);
        phdr += std::string(12, '\0');
        presetLevel.Add(preset.zones);
    }
    PutName(phdr, "EOP");
    Put(phdr, 0, 4);
    Put(phdr, presetLevel.bagCount, 2);
    phdr += std::string(12, '\0');
    presetLevel.End();

    std::string inst;
    Level instrumentLevel;
    for (const Instrument& instrument : instruments) {
        PutName(inst, instrument.name);
        Put(inst, instrumentLevel.bagCount, 2);
        instrumentLevel.Add(instrument.zones);
    }
    PutName(inst, "EOI");
    Put(inst, instrumentLevel.bagCount, 2);
    instrumentLevel.End();

    std::string shdr;
    for (const Sample& sample : samples) {
        PutName(shdr, sample.name);
        Put(shdr, sample.start, 4);
        Put(shdr, sample.end, 4);
        Put(shdr, sample.start + 8, 4);
        Put(shdr, sample.end - 8, 4);
        Put(shdr, 44100, 4);
        shdr += char(60);
        shdr += char(0);
        Put(shdr, sample.link, 2);
        Put(shdr, sample.type, 2);
    }
    PutName(shdr, "EOS");
    shdr += std::string(26, '\0');

    return Chunk("LIST", "pdta" + Chunk("phdr", phdr) + Chunk("pbag", presetLevel.bags)
                             + Chunk("pmod", presetLevel.mods) + Chunk("pgen", presetLevel.gens) + Chunk("inst", inst)
                             + Chunk("ibag", instrumentLevel.bags) + Chunk("imod", instrumentLevel.mods)
                             + Chunk("igen", instrumentLevel.gens) + Chunk("shdr", shdr));
}

std::string TestSoundfont::File() const
{
    std::string version;
    Put(version, 2, 2);
    Put(version, 1, 2);
    const std::string info = Chunk("LIST", "INFO" + Chunk("ifil", version) + Chunk("isng", std::string("EMU8000\0", 8))
                                               + Chunk("INAM", std::string("Test font\0", 10)));
    std::string words;
    // 46 zero points after the data, as the format asks.
    for (std::uint32_t i = 0; i < sampleWords + 46; ++i)
        Put(words, i < sampleWords ? std::uint32_t(std::int16_t(8000 * std::sin(i * 2 * M_PI / 64))) & 0xFFFF : 0, 2);
    const std::string sdta = Chunk("LIST", "sdta" + Chunk("smpl", words));
    return Chunk("RIFF", "sfbk" + info + sdta + PresetData());
}

std::size_t TestSoundfont::ChunkAt(const std::string& id) const
{
    const std::string file = File();
    // Sample words are never letters here, so an id found is the chunk's.
    return file.find(id);
}

std::uint32_t LittleAt(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

void SetLittleAt(std::string& bytes, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}
