// The entry point of the sound module, which the program loads at its first
// sound (see TLazyAudio).
#include "sound/SdlAudio.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT TAudioBackend* TrivoloMakeAudio()
{
  return new TSdlAudio;
}
