// Resource numbers of the embedded pictures and the application icon.
#pragma once

#define IDI_APP_ICON 1
#define IDR_BACKGROUND_JPG 201
#define IDR_CAPTION_SPRITE_PNG 202
#define IDR_MSGBOX_ICONS_PNG 203
