#include "sound/SdlAudio.h"

#include "sound/MidiSynth.h"

#include <QFile>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

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

// Reads a MIDI file into bytes. FluidSynth accepts any bytes when loading
// and fails only while playing, so the file's chunk structure is checked
// first: a header chunk, then as many whole track chunks as it announces.
// Returns what is wrong with the file, or nothing.
std::string ReadMidi(const std::string& path, std::vector<char>& midi)
{
  std::error_code failed;
  const std::uintmax_t size = std::filesystem::file_size(path, failed);
  if (failed || !std::filesystem::is_regular_file(path, failed))
    return "\"" + path + "\" is not a readable file.";
  if (size > LargestMidiFile)
    return "\"" + path + "\" is too large for a MIDI file.";
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  midi.assign(bytes.begin(), bytes.end());
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

namespace {

// The mixer's music hook: the synthesiser adds the music to the stream.
void MixMusic(void* synth, Uint8* stream, int bytes)
{
  if (synth)
    static_cast<TMidiSynth*>(synth)->Render(reinterpret_cast<std::int16_t*>(stream), bytes / 4);
}

void CloseMixer()
{
  Mix_HaltChannel(-1);
  Mix_HookMusic(nullptr, nullptr);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace

TSdlAudio::TSdlAudio(int idleMs)
{
  // The program ends through its window; SDL must not take over SIGTERM.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  IdleTimer.setSingleShot(true);
  IdleTimer.setInterval(idleMs);
  QObject::connect(&IdleTimer, &QTimer::timeout, [this] { CloseDeviceWhenIdle(); });
}

TSdlAudio::~TSdlAudio()
{
  if (IsOpen)
    CloseMixer();
  Midi.reset();
  FreeWaves();
}

bool TSdlAudio::OpenDevice()
{
  if (IsOpen)
    return true;
  if (DeviceFailed || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    DeviceFailed = true;
    return false;
  }
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0 || Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS
    || channels != 2) {
    CloseMixer();
    DeviceFailed = true;
    return false;
  }
  IsOpen = true;
  Mix_AllocateChannels(1);
  Mix_Volume(EffectChannel, EffectVolume);
  if (WavesRate != rate) {
    FreeWaves();
    LoadWaves();
    WavesRate = rate;
  }
  // A synthesiser made for another rate cannot play into this stream.
  if (Midi && Rate != rate) {
    MusicOpen = false;
    Midi.reset();
  }
  Rate = rate;
  Mix_HookMusic(MixMusic, Midi.get());
  IdleTimer.start();
  return true;
}

void TSdlAudio::CloseDeviceWhenIdle()
{
  if (!IsOpen)
    return;
  if (MusicOpen || Mix_Playing(-1) != 0) {
    IdleTimer.start();
    return;
  }
  CloseMixer();
  IsOpen = false;
}

void TSdlAudio::LoadWaves()
{
  for (std::size_t i = 0; i < Waves.size(); ++i) {
    QFile file(QStringLiteral(":/waves/%1.wav").arg(i + 1));
    if (!file.open(QIODevice::ReadOnly))
      continue;
    const QByteArray bytes = file.readAll();
    Waves[i] = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1);
  }
}

void TSdlAudio::FreeWaves()
{
  for (Mix_Chunk*& chunk : Waves) {
    if (chunk)
      Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
}

int TSdlAudio::PlayingEffect() const
{
  if (!IsOpen || !Mix_Playing(EffectChannel))
    return -1;
  const auto found = std::find(Waves.begin(), Waves.end(), Mix_GetChunk(EffectChannel));
  return found == Waves.end() ? -1 : static_cast<int>(found - Waves.begin());
}

void TSdlAudio::PlayEffect(int item)
{
  if (item < 0 || item >= static_cast<int>(Waves.size()) || !OpenDevice() || !Waves[static_cast<std::size_t>(item)])
    return;
  Mix_PlayChannel(EffectChannel, Waves[static_cast<std::size_t>(item)], 0);
  IdleTimer.start();
}

bool TSdlAudio::OpenMusic(const std::string& path, std::string& error)
{
  CloseMusic();
  std::vector<char> midi;
  error = ReadMidi(path, midi);
  if (!error.empty())
    return false;
  if (SoundFont().empty()) {
    error = "Music needs a General-MIDI soundfont, and none is installed (Debian's package timgm6mb-soundfont has one).";
    return false;
  }
  if (!OpenDevice()) {
    error = "There is no audio device to play music on.";
    return false;
  }
  if (!Midi) {
    Midi = std::make_unique<TMidiSynth>(SoundFont(), Rate);
    Mix_HookMusic(MixMusic, Midi.get());
  }
  if (!Midi->Usable()) {
    error = "The soundfont \"" + SoundFont() + "\" cannot be loaded.";
    return false;
  }
  Midi->Open(std::move(midi));
  MusicOpen = true;
  return true;
}

void TSdlAudio::PlayMusic()
{
  if (MusicOpen && OpenDevice())
    Midi->Play();
}

void TSdlAudio::StopMusic()
{
  if (MusicOpen)
    Midi->FadeOut();
}

void TSdlAudio::CloseMusic()
{
  if (!MusicOpen)
    return;
  // A piece still sounding fades out; the device closes once it is silent.
  Midi->FadeOut();
  MusicOpen = false;
  IdleTimer.start();
}

bool TSdlAudio::MusicPlaying() const
{
  return MusicOpen && Midi->Playing();
}
