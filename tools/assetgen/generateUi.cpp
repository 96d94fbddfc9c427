#include "AssetWriter.h"
#include "Generators.h"
#include "ui/UiPictures.h"

void generateUi(AssetContext& ctx)
{
    generateHudPictures(ctx);
    generateMatchObjectPictures(ctx);
    generateMenuPictures(ctx);
    generateEditorPictures(ctx);
    generateButtonPictures(ctx);
}
