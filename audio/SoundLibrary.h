#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

// The sound-effect library: decoded sounds played on the mixer's channels, each
// stream on a channel of its own, so a repeated request restarts that stream's sound
// and never cuts another's. All calls come from the main thread and return at once;
// mixing happens on the audio thread.
//
// The main window, at creation: VersionIsSupported() (else show "SDL_mixer version 2
// was not loaded" and end the program), Init() (else "Can't initialize digital sound
// system", SoundEnabled := false), CDInit() (else "Can't initialize CD system"),
// Start(), then SoundStreams::Create. At close: Stop(), then Free().
//
// Once Init() has failed, or after Free(), every call is silently without effect.
class SoundLibrary {
public:
    using Handle = std::uint32_t;

    SoundLibrary();
    ~SoundLibrary();
    SoundLibrary(const SoundLibrary&) = delete;
    SoundLibrary& operator=(const SoundLibrary&) = delete;

    // The linked SDL_mixer is of major version 2.
    static bool VersionIsSupported();

    // Opens the output and its eight channels; false when there is no output device.
    bool Init();
    // There is no CD part here: always succeeds.
    bool CDInit();
    // Lets paused channels go on; the output runs from Init() on.
    void Start();

    // Decodes the whole file (MP3 or WAV) now. The handle is never 0; one whose file
    // could not be read, or is not a regular file, or lasts longer than any effect
    // (30 s), plays nothing.
    Handle StreamCreateFile(const std::string& path);
    // Whether the handle's sound was decoded and can be heard.
    bool Playable(Handle handle) const;
    // Starts the stream's sound from its beginning on the stream's own channel.
    void StreamPlay(Handle handle);

    // Silences the effects (the music goes on until the sequencer stops it).
    void Stop();
    // Releases every stream and this library's hold on the output.
    void Free();

    bool OutputOpen() const { return open_; }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

    static constexpr int kChannels = 8;

    std::vector<Chunk> streams_;
    bool open_ = false;
};
