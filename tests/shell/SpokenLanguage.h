#pragma once

#include "shell/Language.h"

// A language in use for as long as it lives; English again after.
struct TSpokenLanguage {
  explicit TSpokenLanguage(TLanguage language) { UseLanguage(language); }
  ~TSpokenLanguage() { UseLanguage(lgEnglish); }
  TSpokenLanguage(const TSpokenLanguage&) = delete;
  TSpokenLanguage& operator=(const TSpokenLanguage&) = delete;
};
