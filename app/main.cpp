// Console demo: a bot plays one whole game and prints its moves and score.
#include "CardCode.h"
#include "Game.h"
#include "Random.h"
#include "SetFinder.h"

#include <cstdio>
#include <string>

namespace {

class TConsoleHost final : public TGameHost {
public:
  void RedrawSlot(int, int) override { }
  void RepaintBoard() override { }
  void DrawScore() override { }
  void ShowDetector() override { }
  void ClearDetector() override { }
  void PlayEffect(int) override { }
  void MusicKeepAlive() override { }
  int ShowCode(int code) override
  {
    std::printf("message %d\n", code);
    return mrYes;
  }
  int ShowText(int code, const std::string& text) override
  {
    std::string shown = text;
    for (char& c : shown)
      if (c == '\r')
        c = ' ';
    std::printf("message %d: %s\n", code, shown.c_str());
    return mrYes;
  }
  void EnterHighScore(int score) override { std::printf("high-score entry with %d\n", score); }
  bool DetectorOn() const override { return true; }
  int Tongue() const override { return 0; }
};

std::string CardName(int code)
{
  static const char* const colours[] = { "blue", "green", "red" };
  static const char* const shapes[] = { "square", "circle", "triangle" };
  static const char* const fills[] = { "empty", "solid", "hatched" };
  return std::to_string(AttrDigit(code, adNumber) + 1) + " " + colours[AttrDigit(code, adColour)] + " "
    + fills[AttrDigit(code, adFill)] + " " + shapes[AttrDigit(code, adShape)];
}

} // namespace

int main()
{
  TConsoleHost host;
  TPcgRandom random(TPcgRandom::ClockSeed());
  TGame game(host, random);
  game.NewGame();
  int move = 0;
  while (game.Record().GameState != gsOver) {
    const auto set = FirstSetOnTable(game.Record());
    if (!set) {
      std::printf("no SET on the table: mixing\n");
      game.MixBtnClick();
      continue;
    }
    std::printf("SET %2d:", ++move);
    for (const TSlot& s : *set)
      std::printf("  [%d,%d] %-24s", s.Col, s.Row, CardName(game.Record().Table[s.Col][s.Row]).c_str());
    std::printf("\n");
    for (const TSlot& s : *set)
      game.MouseDown(s);
    for (int tick = 0; tick < 5; ++tick)
      game.Timer1Timer();
  }
  std::printf("game over: %d cards taken, final score %d\n", game.Record().TakenCount, game.ComputeScore());
  return 0;
}
