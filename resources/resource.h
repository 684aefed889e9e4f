// Numeric ids of Zerin's resources and of the controls in its dialog templates; shared by the
// resource script and the C++ code that creates and drives the windows.
#ifndef ZERIN_RESOURCES_RESOURCE_H
#define ZERIN_RESOURCES_RESOURCE_H

// Language of every resource: Chinese (PRC).
#define ZERIN_RESOURCE_LANGUAGE 2052

// Resource type of the combo-box lists that a dialog adds to its combo boxes when it is created.
#define RT_DLGINIT_ID 240

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_MAIN 102
#define IDD_SHARE_MAPPING 105
#define IDD_WIZARD 129
#define IDD_DEVICE_SETTINGS_PAGE 130
#define IDD_NETWORK_SETTINGS_PAGE 131
#define IDD_CLOSING_PAGE 132
#define IDD_VERIFY 141

// Icon, bitmaps and strings.
#define IDI_APP 128
#define IDB_PANEL_LIGHT 136
#define IDB_SKIN_MAIN 146
#define IDB_SKIN_PAGE 147
#define IDB_WIZARD_SIDE 148
#define IDB_SKIN_VERIFY 149
#define IDB_SKIN_SHARE_MAPPING 152
#define IDS_ABOUT_MENU_ITEM 101
#define IDS_SOCKETS_INIT_FAILED 103

// System-menu command that opens the About box.
#define IDM_ABOUT 0x0010

// Labels, group boxes and lines.
#define IDC_STATIC (-1)

// Main window.
#define IDC_DEVICE_LIST 1001
#define IDC_REFRESH_LIST 1005
#define IDC_ACCESS_WEB 1006
#define IDC_SETUP_WIZARD 1007
#define IDC_ABOUT 1008
#define IDC_QUIT 1011
#define IDC_FIRMWARE_VERSION 1016
#define IDC_IP_ADDRESS 1017
#define IDC_DESCRIPTION 1018
#define IDC_MAC_ADDRESS 1020
#define IDC_IP_STATUS 1043
#define IDC_SHARE_MAPPING 1080
#define IDC_USB_LIST 1081

// Share Mapping dialog.
#define IDC_MAP_SHARE 1071
#define IDC_MAP_USER_NAME 1072
#define IDC_MAP_PASSWORD 1073
#define IDC_MAPPED_LIST 1074
#define IDC_MAP_DRIVE 1075
#define IDC_MAP 1076
#define IDC_UNMAP 1077
#define IDC_UNMAP_ALL 1078

// Wizard frame.
#define IDC_WIZARD_BACK 1021
#define IDC_WIZARD_NEXT 1022
#define IDC_WIZARD_PAGE_AREA 1023
#define IDC_WIZARD_SIDE_PICTURE 1024
#define IDC_WIZARD_SKIP 1070

// Device settings page.
#define IDC_NO_PASSWORD_NEXT_TIME 1027
#define IDC_DEVICE_DESCRIPTION 1029
#define IDC_DEVICE_DESCRIPTION_LABEL 1039
#define IDC_DEVICE_DATE_LABEL 1040
#define IDC_DEVICE_TIME_LABEL 1041
#define IDC_DEVICE_DATE 1059
#define IDC_DEVICE_TIME 1060
#define IDC_TIME_ZONE 1062
#define IDC_TIME_ZONE_LABEL 1063

// Network settings page. The five address controls are consecutive, walked in this order.
#define IDC_PROTOCOL_LABEL 1043
#define IDC_NET_ADDRESS_LABEL 1044
#define IDC_PROTOCOL 1045
#define IDC_NET_MASK_LABEL 1046
#define IDC_NET_GATEWAY_LABEL 1047
#define IDC_NET_PRIMARY_DNS_LABEL 1048
#define IDC_NET_SECONDARY_DNS_LABEL 1049
#define IDC_NET_ADDRESS 1050
#define IDC_NET_MASK 1051
#define IDC_NET_GATEWAY 1052
#define IDC_NET_PRIMARY_DNS 1053
#define IDC_NET_SECONDARY_DNS 1054

// Verify dialog.
#define IDC_ADMIN_NAME 1065
#define IDC_ADMIN_PASSWORD 1066
#define IDC_ADMIN_PASSWORD_LABEL 1067
#define IDC_ADMIN_NAME_LABEL 1068
#define IDC_VERIFY_OK 1069

#endif
