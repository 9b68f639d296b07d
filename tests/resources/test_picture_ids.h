/* Resources of the picture tests that are no pictures. */
#pragma once

#define IDR_NO_PICTURE 900  /* plain text */
#define IDR_BROKEN_JPEG 901 /* a JPEG's first marker, then text */
