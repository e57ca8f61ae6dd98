#include "shell/SdlAudio.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr int EffectChannel = 0;
constexpr std::uintmax_t LargestMidiFile = 16 * 1024 * 1024;

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, int count)
{
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

// FluidSynth accepts any bytes when loading and fails only while playing,
// so the file's chunk structure is checked first: a header chunk, then as
// many whole track chunks as it announces.
std::string MidiProblem(const std::string& path)
{
  std::error_code failed;
  const std::uintmax_t size = std::filesystem::file_size(path, failed);
  if (failed || !std::filesystem::is_regular_file(path, failed))
    return "\"" + path + "\" is not a readable file.";
  if (size > LargestMidiFile)
    return "\"" + path + "\" is too large for a MIDI file.";
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0 || BigEndian(bytes, 4, 4) < 6)
    return "\"" + path + "\" is not a MIDI file.";
  const std::uint32_t tracks = BigEndian(bytes, 10, 2);
  std::size_t at = 8 + BigEndian(bytes, 4, 4);
  std::uint32_t found = 0;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t length = BigEndian(bytes, at + 4, 4);
    if (length > bytes.size() - at - 8)
      break;
    found += bytes.compare(at, 4, "MTrk") == 0;
    at += 8 + length;
  }
  if (tracks == 0 || found < tracks)
    return "\"" + path + "\" is a damaged or truncated MIDI file.";
  return {};
}

} // namespace

std::string TSdlAudio::SoundFont()
{
  for (const char* path : { "/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2" }) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored))
      return path;
  }
  return {};
}

TSdlAudio::TSdlAudio()
{
  // The program ends through its window; SDL must not take over SIGTERM.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    return;
  const std::string font = SoundFont();
  if (!font.empty())
    Mix_SetSoundFonts(font.c_str());
  if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  DeviceOpen = true;
  Mix_AllocateChannels(1);
  for (int i = 0; i < 7; ++i) {
    QFile file(QStringLiteral(":/waves/%1.wav").arg(i + 1));
    if (!file.open(QIODevice::ReadOnly))
      continue;
    const QByteArray bytes = file.readAll();
    Waves[static_cast<std::size_t>(i)] = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1);
  }
}

TSdlAudio::~TSdlAudio()
{
  if (!DeviceOpen)
    return;
  Mix_HaltChannel(-1);
  CloseMusic();
  for (Mix_Chunk* chunk : Waves)
    if (chunk)
      Mix_FreeChunk(chunk);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TSdlAudio::PlayEffect(int item)
{
  if (!DeviceOpen || item < 0 || item >= 7 || !Waves[static_cast<std::size_t>(item)])
    return;
  Mix_PlayChannel(EffectChannel, Waves[static_cast<std::size_t>(item)], 0);
}

bool TSdlAudio::OpenMusic(const std::string& path, std::string& error)
{
  CloseMusic();
  if (!DeviceOpen) {
    error = "There is no audio device to play music on.";
    return false;
  }
  error = MidiProblem(path);
  if (!error.empty())
    return false;
  if (SoundFont().empty()) {
    error = "Music needs a General-MIDI soundfont, and none is installed (Debian's package timgm6mb-soundfont has one).";
    return false;
  }
  Music = Mix_LoadMUSType_RW(SDL_RWFromFile(path.c_str(), "rb"), MUS_MID, 1);
  if (!Music) {
    error = Mix_GetError();
    return false;
  }
  return true;
}

void TSdlAudio::PlayMusic()
{
  if (Music)
    Mix_PlayMusic(Music, 0);
}

void TSdlAudio::StopMusic()
{
  if (Music)
    Mix_HaltMusic();
}

void TSdlAudio::CloseMusic()
{
  if (!Music)
    return;
  Mix_HaltMusic();
  Mix_FreeMusic(Music);
  Music = nullptr;
}

bool TSdlAudio::MusicPlaying() const
{
  return Music && Mix_PlayingMusic() != 0;
}
