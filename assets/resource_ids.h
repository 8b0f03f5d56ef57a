/* Resource ids shared by the resource script and the program. */
#ifndef DORVANIX_RESOURCE_IDS_H
#define DORVANIX_RESOURCE_IDS_H

#define IDI_PROGRAM 1
#define IDB_FACE_METER 101
#define IDB_FACE_METER_LIT 102
#define IDB_FACE_CLOCK 103
#define IDB_FACE_CLOCK_LIT 104
/* The faces for 125, 150, 175 and 200 %: IDB_FACE_METER + face + IDB_FACE_SCALE_STEP * k, k = 1..4. */
#define IDB_FACE_SCALE_STEP 10
#define IDB_FACE_SCALES 5
#define IDI_WARNING_LAMP 110
#define IDI_TRAY_NORMAL_0 200
#define IDI_TRAY_LIT_0 220

#endif
