// Resource numbers of the saver host (shared by the resource script and the code).
#pragma once

#define IDS_SAVER_NAME 1
#define IDR_SURFACE_TEXTURE 101
#define IDR_SPHERE_TEXTURE 102
#define IDR_PREVIEW_PICTURE 103
