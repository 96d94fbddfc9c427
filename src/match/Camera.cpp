#include "match/Camera.h"

// Placeholders until the camera is written.
void updateCamera(Camera&) {}
void centreOnMiddleSection(Camera&) {}

void startShake(Camera& camera, float, float)
{
    camera.shaking = true;
}
