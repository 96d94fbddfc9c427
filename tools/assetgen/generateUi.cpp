#include "AssetWriter.h"
#include "Generators.h"

void generateUi(AssetContext&)
{
}
