#pragma once

#include "game/CardCode.h"
#include "game/Game.h"
#include "game/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Hands out scripted numbers first, then seeded pseudo-random ones.
class TScriptedRandom final : public TRandom {
public:
  std::deque<int> Script;
  int Draws = 0;

  int Below(int n) override
  {
    ++Draws;
    if (Script.empty())
      return Fallback.Below(n);
    const int value = Script.front();
    Script.pop_front();
    return value;
  }

private:
  TPcgRandom Fallback { 12345 };
};

// Records every outward call of the game as a line of text; those calls are
// the game's observable output.
class TRecordingHost final : public TGameHost {
public:
  std::vector<std::string> Calls;
  std::deque<int> Answers; // modal results for ShowCode/ShowText, Yes when empty
  bool Detector = true;
  std::function<void()> OnMessage;

  void RedrawSlot(int col, int row) override { Log("RedrawSlot " + std::to_string(col) + " " + std::to_string(row)); }
  void RepaintBoard() override { Log("RepaintBoard"); }
  void DrawScore() override { Log("DrawScore"); }
  void ShowDetector() override { Log("ShowDetector"); }
  void ClearDetector() override { Log("ClearDetector"); }
  void PlayEffect(int effect) override { Log("PlayEffect " + std::to_string(effect)); }
  int ShowCode(int code) override
  {
    Log("ShowCode " + std::to_string(code));
    return Answer();
  }
  int ShowText(int code, TGameMessage message) override
  {
    Log("ShowText " + std::to_string(code) + (message == gmNoMoreSet ? " no more SET" : message == gmNoSetOnTable ? " no SET on the table" : " ?"));
    return Answer();
  }
  void EnterHighScore(int score) override { Log("EnterHighScore " + std::to_string(score)); }
  bool DetectorOn() const override { return Detector; }

  std::vector<std::string> Take()
  {
    std::vector<std::string> taken;
    taken.swap(Calls);
    return taken;
  }

private:
  void Log(std::string call) { Calls.push_back(std::move(call)); }
  int Answer()
  {
    if (OnMessage)
      OnMessage();
    if (Answers.empty())
      return mrYes;
    const int answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
};

using TCalls = std::vector<std::string>;

// The sixteen cards on the table in reading order, row by row.
inline std::vector<int> TableOf(const TGameRecord& record)
{
  std::vector<int> table;
  for (int p = 0; p < SlotCount; ++p)
    table.push_back(record.Table[SlotOfPosition(p).Col][SlotOfPosition(p).Row]);
  return table;
}

// The sixteen cards whose digits are all 0 or 1: no three of them form a SET.
inline std::array<int, 16> SetFreeCards()
{
  std::array<int, 16> cards {};
  int n = 0;
  for (int code = 1; code <= CardCount; ++code) {
    bool binary = true;
    for (int digit = 0; digit < 4; ++digit)
      binary = binary && AttrDigit(code, digit) < 2;
    if (binary)
      cards[n++] = code;
  }
  return cards;
}

class TGameTest : public ::testing::Test {
protected:
  TRecordingHost Host;
  TScriptedRandom Random;
  TGame Game { Host, Random };
  TGameRecord& Rec = Game.Record();

  // Deals a fresh game and then lays the given cards by slot position
  // (0..15 along the rows); the deck keeps its other cards in any order.
  void LayTable(const std::array<int, 16>& cards, int deckCount = 65)
  {
    Game.NewGame();
    std::array<bool, CardCount + 1> used {};
    for (int p = 0; p < 16; ++p) {
      const TSlot s = SlotOfPosition(p);
      Rec.Table[s.Col][s.Row] = cards[p];
      used[cards[p]] = true;
    }
    int n = 0;
    for (int code = 1; code <= CardCount && n < deckCount; ++code)
      if (!used[code])
        Rec.Deck[++n] = code;
    Rec.DeckCount = n;
    Rec.TakenCount = CardCount - n - 16 + static_cast<int>(std::count(cards.begin(), cards.end(), 0));
    Host.Take();
  }

  TSlot Slot(int p) const { return SlotOfPosition(p); }
  void Press(int p) { Game.MouseDown(Slot(p)); }
};
