#pragma once

#include "audio/AudioLoader.h"

#include <atomic>
#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

// The sound-effect library: decoded sounds played on the mixer's channels, each
// stream on a channel of its own, so a repeated request restarts that stream's sound
// and never cuts another's. All calls come from the main thread and return at once
// (but see StreamPlay); mixing happens on the audio thread, decoding on a thread of the
// library's own.
//
// The order: VersionIsSupported() when the audio module loads (else show "SDL_mixer
// version 2 was not loaded" and end the program); once sound is wanted, Init() (else
// "Can't initialize digital sound system", SoundEnabled := false), CDInit() (else
// "Can't initialize CD system"), Start(), then SoundStreams::Create. At close: Stop(), then Free().
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

    // Queues the whole file (MP3 or WAV) for decoding and returns at once. The handle
    // is never 0; one whose file could not be read, or is not a regular file, or lasts
    // longer than any effect (30 s), plays nothing.
    Handle StreamCreateFile(const std::string& path);
    // Whether the handle's sound was decoded and can be heard (waits for its decoding).
    bool Playable(Handle handle) const;
    // Starts the stream's sound from its beginning on the stream's own channel. The
    // first play of a stream whose decoding has not finished waits for it, so that
    // a sound asked for at once is heard all the same.
    void StreamPlay(Handle handle);

    // Silences the effects (the music goes on until the sequencer stops it).
    void Stop();
    // Silences and releases every stream, keeping the output: their handles play
    // nothing from now on, and new ones count from 1 again.
    void DropStreams();
    // Releases every stream and this library's hold on the output. Decodings not yet
    // begun are dropped; one under way is waited for.
    void Free();

    bool OutputOpen() const { return open_; }

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;
    struct Stream {
        std::future<Mix_Chunk*> decoding;  // valid until the chunk is taken
        Chunk chunk;
    };

    static constexpr int kChannels = 8;

    // The decoded sound, once its decoding is over (waiting for it); null if none.
    Mix_Chunk* Decoded(Handle handle) const;

    // Taking a finished decoding's chunk changes nothing a caller can see.
    mutable std::vector<Stream> streams_;
    bool open_ = false;
    std::shared_ptr<std::atomic<bool>> dropDecodings_ = std::make_shared<std::atomic<bool>>(false);
    AudioLoader loader_;  // last: gone before the streams it fills
};
