#include "app/music.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/console.h"

namespace rtr {

sound::System* musicSystem = nullptr;
sound::Sound* musicSound = nullptr;
sound::Channel* musicChannel = nullptr;

const char* const musicFile =
    "../Models/Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3";

void fmodCheck(sound::Result result, const char* file) {
    if (result == sound::result::ok) {
        return;
    }
    std::printf("FMOD error: (%d) %s\n", result, sound::errorString(result));
    std::fflush(stdout);
    if (file != nullptr) {
        std::error_code ignored;
        std::cerr << "  music file: " << file << " (relative to the working directory "
                  << std::filesystem::current_path(ignored).string() << ")" << std::endl;
    }
    platform::consolePause();
    platform::exitWithStatusMinusOne();
}

void startMusic() {
    std::cout << ">>> Load Music" << std::endl;
    fmodCheck(sound::System_Create(&musicSystem));
    fmodCheck(musicSystem->init(32, sound::initNormal, nullptr));
    fmodCheck(musicSystem->createStream(musicFile, sound::modeSoftware | sound::modeLoopNormal,
                                        nullptr, &musicSound),
              musicFile);
    fmodCheck(musicSystem->playSound(sound::channelFree, musicSound, false, &musicChannel));
    // The show unpauses the music at 8 s; until then the stream waits at full volume.
    musicChannel->setVolume(1.0f);
    musicChannel->setPaused(true);
}

void stopMusic() {
    if (musicSystem != nullptr) {
        musicSystem->release();  // frees the stream and channel and closes the audio device
    }
    musicSystem = nullptr;
    musicSound = nullptr;
    musicChannel = nullptr;
}

}  // namespace rtr
