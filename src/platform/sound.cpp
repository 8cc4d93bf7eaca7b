#include "platform/sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace rtr::sound {

namespace {

constexpr int outputRate = 44100;
constexpr int outputChannels = 2;
constexpr int outputChunkSize = 2048;
constexpr int maxChannelCount = 4093;

// The mixer has one music player for the whole process; this is the channel driving it.
Channel* audibleChannel = nullptr;
bool silentFallbackAnnounced = false;

bool openMixer() {
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that nobody polls, and the
    // demo could no longer be stopped from a terminal or by a time limit.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    if (Mix_OpenAudio(outputRate, MIX_DEFAULT_FORMAT, outputChannels, outputChunkSize) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void announceSilentFallback(const std::string& reason) {
    if (silentFallbackAnnounced) {
        return;
    }
    silentFallbackAnnounced = true;
    std::cerr << "Sound: no audio device available (" << reason << "), the music plays silently."
              << std::endl;
}

bool usingSilentDriver() {
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver != nullptr && std::string(driver) == "dummy";
}

Result checkReadable(const char* path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return result::fileNotFound;
    }
    std::ifstream file(path, std::ios::binary);
    char byte = 0;
    if (std::filesystem::is_directory(path, error) || !file.read(&byte, 1)) {
        return result::fileBad;  // a folder, an empty file or one we may not read
    }
    return result::ok;
}

}  // namespace

const char* errorString(Result code) {
    switch (code) {
        case result::ok:
            return "No errors.";
        case result::invalidParam:
            return "An invalid parameter was passed to this function.";
        case result::invalidHandle:
            return "An invalid object handle was used.";
        case result::uninitialized:
            return "This command failed because the sound system was not initialized.";
        case result::alreadyInitialized:
            return "The sound system has already been initialized.";
        case result::outputInit:
            return "Error initializing the audio output, not even a silent one could be opened.";
        case result::fileNotFound:
            return "File not found.";
        case result::fileBad:
            return "Error loading file: it cannot be read.";
        case result::format:
            return "Unsupported file or audio format.";
        case result::channelAlloc:
            return "Error trying to allocate a channel: every channel is in use.";
        case result::playback:
            return "The audio output refused to start playing the sound.";
        case result::unsupported:
            return "The decoder of this sound does not support the request.";
        default:
            return "Unknown error.";
    }
}

Sound::~Sound() {
    Mix_FreeMusic(music);
}

Result Sound::getLength(unsigned* milliseconds) const {
    if (milliseconds == nullptr) {
        return result::invalidParam;
    }
    const double seconds = Mix_MusicDuration(music);
    if (seconds < 0.0) {
        return result::unsupported;
    }
    *milliseconds = static_cast<unsigned>(std::lround(seconds * 1000.0));
    return result::ok;
}

bool Channel::ownsOutput() const {
    return sound != nullptr && audibleChannel == this;
}

void Channel::applyVolume() const {
    Mix_VolumeMusic(static_cast<int>(std::lround(volume * MIX_MAX_VOLUME)));
}

Result Channel::setVolume(float newVolume) {
    if (std::isnan(newVolume)) {
        return result::invalidParam;
    }
    if (sound == nullptr) {
        return result::invalidHandle;
    }
    volume = std::clamp(newVolume, 0.0f, 1.0f);
    if (ownsOutput()) {
        applyVolume();
    }
    return result::ok;
}

Result Channel::getVolume(float* current) const {
    if (current == nullptr) {
        return result::invalidParam;
    }
    *current = volume;
    return sound == nullptr ? result::invalidHandle : result::ok;
}

Result Channel::setPaused(bool pause) {
    if (sound == nullptr) {
        return result::invalidHandle;
    }
    paused = pause;
    if (ownsOutput()) {
        if (pause) {
            Mix_PauseMusic();
        } else {
            Mix_ResumeMusic();
        }
    }
    return result::ok;
}

Result Channel::getPaused(bool* current) const {
    if (current == nullptr) {
        return result::invalidParam;
    }
    *current = paused;
    return sound == nullptr ? result::invalidHandle : result::ok;
}

Result Channel::isPlaying(bool* playing) const {
    if (playing == nullptr) {
        return result::invalidParam;
    }
    *playing = sound != nullptr;
    return result::ok;
}

Result Channel::getPosition(unsigned* milliseconds) const {
    if (milliseconds == nullptr) {
        return result::invalidParam;
    }
    if (sound == nullptr) {
        return result::invalidHandle;
    }
    const double seconds = Mix_GetMusicPosition(sound->music);
    if (seconds < 0.0) {
        return result::unsupported;
    }
    *milliseconds = static_cast<unsigned>(std::lround(seconds * 1000.0));
    return result::ok;
}

Result Channel::setPosition(unsigned milliseconds) {
    if (sound == nullptr) {
        return result::invalidHandle;
    }
    unsigned length = 0;
    if (sound->loop && sound->getLength(&length) == result::ok && length > 0) {
        milliseconds %= length;
    }
    if (ownsOutput() && Mix_SetMusicPosition(milliseconds / 1000.0) != 0) {
        return result::unsupported;
    }
    return result::ok;
}

Result System_Create(System** system) {
    if (system == nullptr) {
        return result::invalidParam;
    }
    *system = new System();
    return result::ok;
}

System::~System() {
    stopOutputOfMine();
    sounds.clear();
    channels.clear();
    if (initialised) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

Result System::openOutput() {
    if (openMixer()) {
        silent = usingSilentDriver();
        return result::ok;
    }
    const std::string reason = SDL_GetError();
    // Without a device the demo still runs on time: the dummy driver consumes audio at the
    // real rate, so play positions keep advancing.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (!openMixer()) {
        return result::outputInit;
    }
    silent = true;
    announceSilentFallback(reason);
    return result::ok;
}

Result System::init(int maxChannels, unsigned flags, void* extraDriverData) {
    (void)flags;
    (void)extraDriverData;
    if (initialised) {
        return result::alreadyInitialized;
    }
    if (maxChannels <= 0 || maxChannels > maxChannelCount) {
        return result::invalidParam;
    }
    const Result opened = openOutput();
    if (opened != result::ok) {
        return opened;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    for (int i = 0; i < maxChannels; ++i) {
        channels.push_back(std::unique_ptr<Channel>(new Channel()));
    }
    initialised = true;
    return result::ok;
}

Result System::createStream(const char* path, unsigned mode, void* extendedInfo, Sound** sound) {
    (void)extendedInfo;
    if (path == nullptr || sound == nullptr) {
        return result::invalidParam;
    }
    if (!initialised) {
        return result::uninitialized;
    }
    const Result readable = checkReadable(path);
    if (readable != result::ok) {
        return readable;
    }
    Mix_Music* music = Mix_LoadMUS(path);
    if (music == nullptr) {
        return result::format;
    }
    const bool loop = (mode & modeLoopNormal) != 0 && (mode & modeLoopOff) == 0;
    sounds.push_back(std::unique_ptr<Sound>(new Sound(music, loop)));
    *sound = sounds.back().get();
    return result::ok;
}

bool System::ownsSound(const Sound* sound) const {
    return std::any_of(sounds.begin(), sounds.end(),
                       [sound](const std::unique_ptr<Sound>& own) { return own.get() == sound; });
}

Channel* System::pickChannel(int channelIndex) {
    if (channelIndex != channelFree) {
        return channels[static_cast<std::size_t>(channelIndex)].get();
    }
    for (const std::unique_ptr<Channel>& channel : channels) {
        if (channel->sound == nullptr) {
            return channel.get();
        }
    }
    return nullptr;
}

Result System::playSound(int channelIndex, Sound* sound, bool paused, Channel** channel) {
    if (!initialised) {
        return result::uninitialized;
    }
    const bool indexValid =
        channelIndex == channelFree ||
        (channelIndex >= 0 && static_cast<std::size_t>(channelIndex) < channels.size());
    if (channel == nullptr || !indexValid) {
        return result::invalidParam;
    }
    if (sound == nullptr || !ownsSound(sound)) {
        return result::invalidHandle;
    }
    Channel* chosen = pickChannel(channelIndex);
    if (chosen == nullptr) {
        return result::channelAlloc;
    }
    // The one music player moves to the new channel; whatever it played before has ended.
    if (audibleChannel != nullptr) {
        audibleChannel->sound = nullptr;
    }
    Mix_VolumeMusic(0);
    if (Mix_PlayMusic(sound->music, sound->loop ? -1 : 0) != 0) {
        audibleChannel = nullptr;
        return result::playback;
    }
    if (paused) {
        Mix_PauseMusic();
    }
    chosen->sound = sound;
    chosen->paused = paused;
    chosen->volume = 1.0f;
    chosen->applyVolume();
    audibleChannel = chosen;
    *channel = chosen;
    return result::ok;
}

Result System::update() {
    if (!initialised) {
        return result::uninitialized;
    }
    if (audibleChannel != nullptr && Mix_PlayingMusic() == 0) {
        stopOutputOfMine();
    }
    return result::ok;
}

void System::stopOutputOfMine() {
    for (const std::unique_ptr<Channel>& channel : channels) {
        if (channel.get() == audibleChannel) {
            Mix_HaltMusic();
            channel->sound = nullptr;
            audibleChannel = nullptr;
        }
    }
}

Result System::release() {
    delete this;
    return result::ok;
}

}  // namespace rtr::sound
