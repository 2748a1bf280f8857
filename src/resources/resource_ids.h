#ifndef LURN_RESOURCE_IDS_H
#define LURN_RESOURCE_IDS_H

#define IDI_APP 1
#define IDI_CONFIG_WINDOW 2
#define IDB_TITLE 3

#endif
