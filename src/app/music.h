#pragma once

// The background music: one looping stream that start-up opens paused and the frame update
// drives through the show.

#include "platform/sound.h"

namespace rtr {

extern sound::System* musicSystem;
extern sound::Sound* musicSound;
extern sound::Channel* musicChannel;

extern const char* const musicFile;

// Ends the program with the sound layer's number and text unless `result` is success. With
// `file`, standard error also names the file the failed call was about.
void fmodCheck(sound::Result result, const char* file = nullptr);

// Opens the music stream and leaves it paused at full volume.
void startMusic();

// Closes the music stream and the audio output again.
void stopMusic();

}  // namespace rtr
