#include "toolkit/BitmapList.h"

TBitmapList::TBitmapList(std::vector<QImage> items, std::vector<QImage> dense)
  : Items(std::move(items))
  , Dense(std::move(dense))
  , DenseLoaded(Items.size(), true)
{
  Dense.resize(Items.size());
  for (QImage& image : Dense)
    image.setDevicePixelRatio(2);
}

TBitmapList TBitmapList::Load(const QString& folder, int count)
{
  std::vector<QImage> items;
  for (int i = 0; i < count; ++i)
    items.emplace_back(QImage(QStringLiteral("%1/%2.png").arg(folder).arg(i), "PNG").convertToFormat(QImage::Format_RGB32));
  TBitmapList list(std::move(items));
  list.Folder = folder;
  list.DenseLoaded.assign(list.Items.size(), false);
  return list;
}

bool TBitmapList::IsValid(int index) const
{
  return index >= 0 && index < Count() && !Items[static_cast<std::size_t>(index)].isNull();
}

const QImage& TBitmapList::Bitmap(int index) const
{
  static const QImage empty;
  return IsValid(index) ? Items[static_cast<std::size_t>(index)] : empty;
}

const QImage& TBitmapList::Bitmap(int index, qreal devicePixelRatio) const
{
  if (devicePixelRatio <= 1 || !IsValid(index))
    return Bitmap(index);
  const auto i = static_cast<std::size_t>(index);
  if (!DenseLoaded[i]) {
    DenseLoaded[i] = true;
    Dense[i] = QImage(QStringLiteral("%1/%2@2x.png").arg(Folder).arg(index), "PNG").convertToFormat(QImage::Format_RGB32);
    Dense[i].setDevicePixelRatio(2);
  }
  return Dense[i].isNull() ? Bitmap(index) : Dense[i];
}

QRgb TBitmapList::TransparentColor(int index) const
{
  if (!IsValid(index))
    return qRgb(255, 255, 255);
  const QImage& image = Bitmap(index);
  return image.pixel(0, image.height() - 1) | 0xFF000000U;
}

QImage KeyedOut(const QImage& image, QRgb key)
{
  QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
  key |= 0xFF000000U;
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if (line[x] == key)
        line[x] = 0;
  }
  return keyed;
}
