// The mouse's screen: user text rendered with the two bitmap fonts, and user pictures
// converted from image files; both are uploaded as one 512-byte image in four chunks.
#include "app/myqquickview.h"

#include "device/hid_thread.h"
#include "performance/hzk16_font.h"
#include "performance/picture_convert.h"
#include "performance/picture_file_dialog.h"
#include "performance/screen_image.h"
#include "performance/screen_text.h"

namespace {

void uploadScreenImage(Hid_Thread *link, const ScreenImage &image, uchar pictureNo)
{
    if (!link)
        return;
    for (int k = 0; k < kScreenImageBytes / kScreenChunkBytes; ++k) {
        uchar chunk[kScreenChunkBytes];
        std::copy(image.begin() + k * kScreenChunkBytes, image.begin() + (k + 1) * kScreenChunkBytes, chunk);
        link->hid_09H_SetLEDData(chunk, uchar(k), pictureNo);
    }
}

} // namespace

QVariant myQQuickView::ui_LED_DataVerify(QString displayText)
{
    return screenTextWidth(displayText);
}

void myQQuickView::ui_LED_DataProc(int row, int column, QString displayText)
{
    Hzk16Font wideFont;
    uploadScreenImage(hidThread, renderScreenText(row, column, displayText, wideFont), 0);
}

QVariantList myQQuickView::getPictureValue(bool isFile)
{
    const QString pictureKey = QStringLiteral("common/pictureData");
    if (!isFile)
        return getGlobalData(pictureKey);
    const QString file = choosePictureFile(this);
    if (file.isEmpty())
        return getGlobalData(pictureKey);
    return pictureFromFile(file);
}

void myQQuickView::ui_LED_PictureDataProc(QVariantList pictureData, int index)
{
    uploadScreenImage(hidThread, screenImageFromList(pictureData), uchar(index));
}
