#include "assets/Artwork.h"

TBitmapList LoadBmps()
{
  return TBitmapList::Load(QStringLiteral(":/bmps"), BmpsCount);
}
