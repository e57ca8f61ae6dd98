#include "sound/MidiSynth.h"

#include "sound/FreedMemory.h"

#include <fluidsynth.h>

#include <algorithm>

TMidiSynth::TMidiSynth(std::string soundFont, int sampleRate)
  : SoundFont(std::move(soundFont))
  , SampleRate(sampleRate)
{
  Loader = std::thread([this] { Load(); });
}

TMidiSynth::~TMidiSynth()
{
  if (Loader.joinable())
    Loader.join();
  const std::lock_guard lock(Guard);
  DropPlayer();
  if (Synth)
    delete_fluid_synth(Synth);
  if (Settings)
    delete_fluid_settings(Settings);
}

void TMidiSynth::Load()
{
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = nullptr;
  if (settings) {
    fluid_settings_setnum(settings, "synth.sample-rate", SampleRate);
    // Chorus spreads voices in opposite phase over the two channels, which
    // cancels chords on a single speaker; a little reverb is enough space.
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setnum(settings, "synth.reverb.room-size", 0.4);
    fluid_settings_setnum(settings, "synth.reverb.level", 0.35);
    // The players restart pieces themselves; a reset would cut the last
    // notes' release.
    fluid_settings_setint(settings, "player.reset-synth", 0);
    // The pieces sound a dozen notes at a time; fewer voices, less memory.
    fluid_settings_setint(settings, "synth.polyphony", 64);
    // Only the samples of the instruments that play are kept in memory.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    synth = new_fluid_synth(settings);
  }
  const bool ok = synth && fluid_synth_sfload(synth, SoundFont.c_str(), 1) != FLUID_FAILED;
  // Loading frees much of what it allocated; give it back.
  ReleaseFreedMemory();
  const std::lock_guard lock(Guard);
  Settings = settings;
  Synth = synth;
  if (!ok) {
    LoadFailed = true;
    return;
  }
  fluid_synth_set_gain(Synth, Gain);
  Loaded = true;
  if (Wanted)
    StartPlayer();
}

void TMidiSynth::WaitUntilLoaded()
{
  if (Loader.joinable())
    Loader.join();
}

void TMidiSynth::SetGain(float gain)
{
  const std::lock_guard lock(Guard);
  if (Synth && Loaded)
    fluid_synth_set_gain(Synth, gain);
}

void TMidiSynth::DropPlayer()
{
  if (!Player)
    return;
  fluid_player_stop(Player);
  delete_fluid_player(Player);
  Player = nullptr;
}

void TMidiSynth::StartPlayer()
{
  DropPlayer();
  FadeLeft = 0;
  Player = new_fluid_player(Synth);
  if (!Player || fluid_player_add_mem(Player, Piece.data(), Piece.size()) != FLUID_OK || fluid_player_play(Player) != FLUID_OK) {
    DropPlayer();
    Wanted = false;
  }
}

void TMidiSynth::Open(std::vector<char> midi)
{
  const std::lock_guard lock(Guard);
  DropPlayer();
  if (Loaded)
    fluid_synth_all_sounds_off(Synth, -1);
  Wanted = false;
  FadeLeft = 0;
  Piece = std::move(midi);
}

void TMidiSynth::Play()
{
  const std::lock_guard lock(Guard);
  if (Piece.empty() || LoadFailed)
    return;
  Wanted = true;
  if (Loaded)
    StartPlayer();
}

void TMidiSynth::FadeOut()
{
  const std::lock_guard lock(Guard);
  if (!Wanted)
    return;
  Wanted = false;
  FadeLeft = Player ? std::max(1, SampleRate * FadeMs / 1000) : 0;
}

bool TMidiSynth::Playing() const
{
  const std::lock_guard lock(Guard);
  if (!Wanted)
    return false;
  if (!Player)
    return !Loaded && !LoadFailed; // waiting for the soundfont
  // The piece ends with its last event, whatever the synthesiser still rings.
  // Its length is known once the player has read it, at the first render.
  const int total = fluid_player_get_total_ticks(Player);
  return fluid_player_get_status(Player) != FLUID_PLAYER_DONE && (total == 0 || fluid_player_get_current_tick(Player) < total);
}

void TMidiSynth::Render(std::int16_t* stream, int frames)
{
  const std::lock_guard lock(Guard);
  if (!Loaded || (!Player && FadeLeft == 0))
    return;
  Scratch.resize(static_cast<std::size_t>(frames) * 2);
  fluid_synth_write_s16(Synth, frames, Scratch.data(), 0, 2, Scratch.data(), 1, 2);
  const int fadeFrames = std::max(1, SampleRate * FadeMs / 1000);
  for (int i = 0; i < frames; ++i) {
    float gain = 1.0f;
    if (!Wanted) {
      gain = FadeLeft > 0 ? static_cast<float>(FadeLeft) / static_cast<float>(fadeFrames) : 0.0f;
      FadeLeft = std::max(0, FadeLeft - 1);
    }
    for (int c = 0; c < 2; ++c) {
      const std::size_t at = static_cast<std::size_t>(i) * 2 + static_cast<std::size_t>(c);
      const int mixed = stream[at] + static_cast<int>(static_cast<float>(Scratch[at]) * gain);
      stream[at] = static_cast<std::int16_t>(std::clamp(mixed, -32768, 32767));
    }
  }
  if (!Wanted && FadeLeft == 0) {
    // Faded out: the piece goes, and nothing of it rings on.
    DropPlayer();
    fluid_synth_all_sounds_off(Synth, -1);
  }
}
