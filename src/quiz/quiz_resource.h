// Resource identifiers of quiz.exe, apart from the program's: its dialog, texts and icon. The
// colour names keep the program's identifiers (165 to 176), by which the model names them, and
// the small resistor's artwork its own.
#pragma once

#define IDD_QUIZ 4000
#define IDR_QUIZ 4001

// Controls.
#define IDC_QUIZ_MODE_READ 4010
#define IDC_QUIZ_MODE_PLACE 4011
#define IDC_QUIZ_PROGRESS 4012
#define IDC_QUIZ_SCORE 4013
#define IDC_QUIZ_PICTURE 4014
#define IDC_QUIZ_QUESTION 4015
#define IDC_QUIZ_CHOICE1 4020
#define IDC_QUIZ_CHOICE2 4021
#define IDC_QUIZ_CHOICE3 4022
#define IDC_QUIZ_CHOICE4 4023
#define IDC_QUIZ_TYPED_LABEL 4024
#define IDC_QUIZ_TYPED 4025
// One label and one list per ring slot, in slot order.
#define IDC_QUIZ_RING_LABEL1 4030
#define IDC_QUIZ_RING_LABEL2 4031
#define IDC_QUIZ_RING_LABEL3 4032
#define IDC_QUIZ_RING_LABEL4 4033
#define IDC_QUIZ_RING_LABEL5 4034
#define IDC_QUIZ_RING_LABEL6 4035
#define IDC_QUIZ_RING1 4040
#define IDC_QUIZ_RING2 4041
#define IDC_QUIZ_RING3 4042
#define IDC_QUIZ_RING4 4043
#define IDC_QUIZ_RING5 4044
#define IDC_QUIZ_RING6 4045
#define IDC_QUIZ_RESULT 4050
#define IDC_QUIZ_BEST 4051

// String table; "%s" stands for the values the window puts in.
#define IDS_QUIZ_QUESTION_READ 4100
#define IDS_QUIZ_QUESTION_PLACE 4101
#define IDS_QUIZ_RIGHT 4102
#define IDS_QUIZ_WRONG 4103
#define IDS_QUIZ_UNREADABLE 4104
#define IDS_QUIZ_WRONG_RINGS 4105
#define IDS_QUIZ_NO_ANSWER 4106
#define IDS_QUIZ_INCOMPLETE 4107
#define IDS_QUIZ_PROGRESS 4108
#define IDS_QUIZ_SCORE 4109
#define IDS_QUIZ_BEST 4110
#define IDS_QUIZ_ROUND_OVER 4111
#define IDS_QUIZ_VALIDATE 4112
#define IDS_QUIZ_CHECK 4113
#define IDS_QUIZ_NEXT 4114
#define IDS_QUIZ_NEW_ROUND 4115
#define IDS_QUIZ_SEPARATOR 4116
