;Tilewright side file 2
;TV-NTSC
;Size-16-16-16-16
;Time-100-255-199-123
S1F1:
;Time-165
      db          0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h
S1F2:
;Time-166
      db          0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h
S1F3:
;Time-167
      db          0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh
S1F4:
;Time-168
      db          0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h
S1F5:
;Time-169
      db          0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h
S1F6:
;Time-170
      db          0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh
S1F7:
;Time-171
      db          0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h
S1F8:
;Time-172
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
S1F9:
;Time-173
      db          0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh
S1F10:
;Time-174
      db          0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh
S1F11:
;Time-175
      db          0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h
S1F12:
;Time-176
      db          0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h
S1F13:
;Time-177
      db          0F4h,0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh
S1F14:
;Time-178
      db          0FFh,0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h
S1F15:
;Time-179
      db          0AAh,0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h
S1F16:
;Time-180
      db          0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh
S1F17:
;Time-181
      db          0C0h,0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h
S1F18:
;Time-182
      db          0CBh,0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h
S1F19:
;Time-183
      db          0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh
S1F20:
;Time-184
      db          0E1h,0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h
S1F21:
;Time-185
      db          0ECh,0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h
S1F22:
;Time-186
      db          0F7h,0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh
S1F23:
;Time-187
      db          0A2h,0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h
S1F24:
;Time-188
      db          0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h
S1F25:
;Time-189
      db          0B8h,0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh
S1F26:
;Time-190
      db          0C3h,0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh
S1F27:
;Time-191
      db          0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h,0D5h
S1F28:
;Time-192
      db          0D9h,0DAh,0DBh,0DCh,0DDh,0DEh,0DFh,0E0h
S1F29:
;Time-193
      db          0E4h,0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh
S1F30:
;Time-194
      db          0EFh,0F0h,0F1h,0F2h,0F3h,0F4h,0F5h,0F6h
S1F31:
;Time-195
      db          0FAh,0FBh,0FCh,0FDh,0FEh,0FFh,0A0h,0A1h
S1F32:
;Time-196
      db          0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh
S1F33:
;Time-197
      db          0B0h,0B1h,0B2h,0B3h,0B4h,0B5h,0B6h,0B7h
S1F34:
;Time-198
      db          0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h,0C2h
S1F35:
;Time-199
      db          0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh,0CDh
S1F36:
;Time-200
      db          0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h,0D8h
S1F37:
;Time-201
      db          0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h
S1F38:
;Time-202
      db          0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh,0EEh
S1F39:
;Time-203
      db          0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h,0F9h
S1F40:
;Time-204
      db          0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h
S1F41:
;Time-205
      db          0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh,0AFh
S1F42:
;Time-206
      db          0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h,0BAh
S1F43:
;Time-207
      db          0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h,0C5h
S1F44:
;Time-208
      db          0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh,0D0h
S1F45:
;Time-209
      db          0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh
S1F46:
;Time-210
      db          0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h,0E6h
S1F47:
;Time-211
      db          0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h,0F1h
S1F48:
;Time-212
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
S1F49:
;Time-213
      db          0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h
S1F50:
;Time-214
      db          0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h
S1F51:
;Time-215
      db          0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh
S1F52:
;Time-216
      db          0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h
S1F53:
;Time-217
      db          0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h
S1F54:
;Time-218
      db          0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh
S1F55:
;Time-219
      db          0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h
S1F56:
;Time-220
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
S1F57:
;Time-221
      db          0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh
S1F58:
;Time-222
      db          0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh
S1F59:
;Time-223
      db          0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h
S1F60:
;Time-224
      db          0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h
S1F61:
;Time-225
      db          0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh
S1F62:
;Time-226
      db          0CFh,0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h
S1F63:
;Time-227
      db          0DAh,0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h
S2F1:
;Time-229
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
S2F2:
;Time-230
      db          0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h
S2F3:
;Time-231
      db          0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h
S2F4:
;Time-232
      db          0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh
S2F5:
;Time-233
      db          0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h
S2F6:
;Time-234
      db          0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h
S2F7:
;Time-235
      db          0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh
S2F8:
;Time-236
      db          0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h
S2F9:
;Time-237
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
S2F10:
;Time-238
      db          0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh
S2F11:
;Time-239
      db          0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh
S2F12:
;Time-240
      db          0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h
S2F13:
;Time-241
      db          0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h
S2F14:
;Time-242
      db          0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh
S2F15:
;Time-243
      db          0CFh,0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h
S2F16:
;Time-244
      db          0DAh,0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h
S2F17:
;Time-245
      db          0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh
S2F18:
;Time-246
      db          0F0h,0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h
S2F19:
;Time-247
      db          0FBh,0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h
S2F20:
;Time-248
      db          0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh
S2F21:
;Time-249
      db          0B1h,0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h
S2F22:
;Time-250
      db          0BCh,0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h
S2F23:
;Time-251
      db          0C7h,0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh
S2F24:
;Time-252
      db          0D2h,0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h
S2F25:
;Time-253
      db          0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h
S2F26:
;Time-254
      db          0E8h,0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh
S2F27:
;Time-255
      db          0F3h,0F4h,0F5h,0F6h,0F7h,0F8h,0F9h,0FAh
S2F28:
;Time-100
      db          0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h,0A5h
S2F29:
;Time-101
      db          0A9h,0AAh,0ABh,0ACh,0ADh,0AEh,0AFh,0B0h
S2F30:
;Time-102
      db          0B4h,0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh
S2F31:
;Time-103
      db          0BFh,0C0h,0C1h,0C2h,0C3h,0C4h,0C5h,0C6h
S2F32:
;Time-104
      db          0CAh,0CBh,0CCh,0CDh,0CEh,0CFh,0D0h,0D1h
S2F33:
;Time-105
      db          0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh
S2F34:
;Time-106
      db          0E0h,0E1h,0E2h,0E3h,0E4h,0E5h,0E6h,0E7h
S2F35:
;Time-107
      db          0EBh,0ECh,0EDh,0EEh,0EFh,0F0h,0F1h,0F2h
S2F36:
;Time-108
      db          0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh,0FDh
S2F37:
;Time-109
      db          0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h,0A8h
S2F38:
;Time-110
      db          0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h
S2F39:
;Time-111
      db          0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh,0BEh
S2F40:
;Time-112
      db          0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h,0C9h
S2F41:
;Time-113
      db          0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h
S2F42:
;Time-114
      db          0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh,0DFh
S2F43:
;Time-115
      db          0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h,0EAh
S2F44:
;Time-116
      db          0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h,0F5h
S2F45:
;Time-117
      db          0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh,0A0h
S2F46:
;Time-118
      db          0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh
S2F47:
;Time-119
      db          0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h,0B6h
S2F48:
;Time-120
      db          0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h
S2F49:
;Time-121
      db          0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh
S2F50:
;Time-122
      db          0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h
S2F51:
;Time-123
      db          0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h
S2F52:
;Time-124
      db          0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh
S2F53:
;Time-125
      db          0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h
S2F54:
;Time-126
      db          0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h
S2F55:
;Time-127
      db          0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh
S2F56:
;Time-128
      db          0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h
S2F57:
;Time-129
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
S2F58:
;Time-130
      db          0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh
S2F59:
;Time-131
      db          0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh
S2F60:
;Time-132
      db          0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h
S2F61:
;Time-133
      db          0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h
S2F62:
;Time-134
      db          0F4h,0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh
S2F63:
;Time-135
      db          0FFh,0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h
S3F1:
;Time-137
      db          0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h
S3F2:
;Time-138
      db          0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh
S3F3:
;Time-139
      db          0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h
S3F4:
;Time-140
      db          0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h
S3F5:
;Time-141
      db          0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh
S3F6:
;Time-142
      db          0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h
S3F7:
;Time-143
      db          0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h
S3F8:
;Time-144
      db          0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh
S3F9:
;Time-145
      db          0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h
S3F10:
;Time-146
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
S3F11:
;Time-147
      db          0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh
S3F12:
;Time-148
      db          0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh
S3F13:
;Time-149
      db          0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h
S3F14:
;Time-150
      db          0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h
S3F15:
;Time-151
      db          0F4h,0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh
S3F16:
;Time-152
      db          0FFh,0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h
S3F17:
;Time-153
      db          0AAh,0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h
S3F18:
;Time-154
      db          0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh
S3F19:
;Time-155
      db          0C0h,0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h
S3F20:
;Time-156
      db          0CBh,0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h
S3F21:
;Time-157
      db          0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh
S3F22:
;Time-158
      db          0E1h,0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h
S3F23:
;Time-159
      db          0ECh,0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h
S3F24:
;Time-160
      db          0F7h,0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh
S3F25:
;Time-161
      db          0A2h,0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h
S3F26:
;Time-162
      db          0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h
S3F27:
;Time-163
      db          0B8h,0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh
S3F28:
;Time-164
      db          0C3h,0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh
S3F29:
;Time-165
      db          0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h,0D5h
S3F30:
;Time-166
      db          0D9h,0DAh,0DBh,0DCh,0DDh,0DEh,0DFh,0E0h
S3F31:
;Time-167
      db          0E4h,0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh
S3F32:
;Time-168
      db          0EFh,0F0h,0F1h,0F2h,0F3h,0F4h,0F5h,0F6h
S3F33:
;Time-169
      db          0FAh,0FBh,0FCh,0FDh,0FEh,0FFh,0A0h,0A1h
S3F34:
;Time-170
      db          0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh
S3F35:
;Time-171
      db          0B0h,0B1h,0B2h,0B3h,0B4h,0B5h,0B6h,0B7h
S3F36:
;Time-172
      db          0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h,0C2h
S3F37:
;Time-173
      db          0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh,0CDh
S3F38:
;Time-174
      db          0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h,0D8h
S3F39:
;Time-175
      db          0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h
S3F40:
;Time-176
      db          0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh,0EEh
S3F41:
;Time-177
      db          0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h,0F9h
S3F42:
;Time-178
      db          0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h
S3F43:
;Time-179
      db          0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh,0AFh
S3F44:
;Time-180
      db          0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h,0BAh
S3F45:
;Time-181
      db          0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h,0C5h
S3F46:
;Time-182
      db          0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh,0D0h
S3F47:
;Time-183
      db          0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh
S3F48:
;Time-184
      db          0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h,0E6h
S3F49:
;Time-185
      db          0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h,0F1h
S3F50:
;Time-186
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
S3F51:
;Time-187
      db          0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h
S3F52:
;Time-188
      db          0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h
S3F53:
;Time-189
      db          0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh
S3F54:
;Time-190
      db          0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h
S3F55:
;Time-191
      db          0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h
S3F56:
;Time-192
      db          0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh
S3F57:
;Time-193
      db          0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h
S3F58:
;Time-194
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
S3F59:
;Time-195
      db          0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh
S3F60:
;Time-196
      db          0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh
S3F61:
;Time-197
      db          0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h
S3F62:
;Time-198
      db          0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h
S3F63:
;Time-199
      db          0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh
S4F1:
;Time-201
      db          0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h,0E6h
S4F2:
;Time-202
      db          0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h,0F1h
S4F3:
;Time-203
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
S4F4:
;Time-204
      db          0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h
S4F5:
;Time-205
      db          0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h
S4F6:
;Time-206
      db          0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh
S4F7:
;Time-207
      db          0C1h,0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h
S4F8:
;Time-208
      db          0CCh,0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h
S4F9:
;Time-209
      db          0D7h,0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh
S4F10:
;Time-210
      db          0E2h,0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h
S4F11:
;Time-211
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
S4F12:
;Time-212
      db          0F8h,0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh
S4F13:
;Time-213
      db          0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh
S4F14:
;Time-214
      db          0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h
S4F15:
;Time-215
      db          0B9h,0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h
S4F16:
;Time-216
      db          0C4h,0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh
S4F17:
;Time-217
      db          0CFh,0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h
S4F18:
;Time-218
      db          0DAh,0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h
S4F19:
;Time-219
      db          0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh
S4F20:
;Time-220
      db          0F0h,0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h
S4F21:
;Time-221
      db          0FBh,0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h
S4F22:
;Time-222
      db          0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh
S4F23:
;Time-223
      db          0B1h,0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h
S4F24:
;Time-224
      db          0BCh,0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h
S4F25:
;Time-225
      db          0C7h,0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh
S4F26:
;Time-226
      db          0D2h,0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h
S4F27:
;Time-227
      db          0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h
S4F28:
;Time-228
      db          0E8h,0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh
S4F29:
;Time-229
      db          0F3h,0F4h,0F5h,0F6h,0F7h,0F8h,0F9h,0FAh
S4F30:
;Time-230
      db          0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h,0A5h
S4F31:
;Time-231
      db          0A9h,0AAh,0ABh,0ACh,0ADh,0AEh,0AFh,0B0h
S4F32:
;Time-232
      db          0B4h,0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh
S4F33:
;Time-233
      db          0BFh,0C0h,0C1h,0C2h,0C3h,0C4h,0C5h,0C6h
S4F34:
;Time-234
      db          0CAh,0CBh,0CCh,0CDh,0CEh,0CFh,0D0h,0D1h
S4F35:
;Time-235
      db          0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh
S4F36:
;Time-236
      db          0E0h,0E1h,0E2h,0E3h,0E4h,0E5h,0E6h,0E7h
S4F37:
;Time-237
      db          0EBh,0ECh,0EDh,0EEh,0EFh,0F0h,0F1h,0F2h
S4F38:
;Time-238
      db          0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh,0FDh
S4F39:
;Time-239
      db          0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h,0A8h
S4F40:
;Time-240
      db          0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h
S4F41:
;Time-241
      db          0B7h,0B8h,0B9h,0BAh,0BBh,0BCh,0BDh,0BEh
S4F42:
;Time-242
      db          0C2h,0C3h,0C4h,0C5h,0C6h,0C7h,0C8h,0C9h
S4F43:
;Time-243
      db          0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h
S4F44:
;Time-244
      db          0D8h,0D9h,0DAh,0DBh,0DCh,0DDh,0DEh,0DFh
S4F45:
;Time-245
      db          0E3h,0E4h,0E5h,0E6h,0E7h,0E8h,0E9h,0EAh
S4F46:
;Time-246
      db          0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h,0F5h
S4F47:
;Time-247
      db          0F9h,0FAh,0FBh,0FCh,0FDh,0FEh,0FFh,0A0h
S4F48:
;Time-248
      db          0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh
S4F49:
;Time-249
      db          0AFh,0B0h,0B1h,0B2h,0B3h,0B4h,0B5h,0B6h
S4F50:
;Time-250
      db          0BAh,0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h
S4F51:
;Time-251
      db          0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh
S4F52:
;Time-252
      db          0D0h,0D1h,0D2h,0D3h,0D4h,0D5h,0D6h,0D7h
S4F53:
;Time-253
      db          0DBh,0DCh,0DDh,0DEh,0DFh,0E0h,0E1h,0E2h
S4F54:
;Time-254
      db          0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh,0EDh
S4F55:
;Time-255
      db          0F1h,0F2h,0F3h,0F4h,0F5h,0F6h,0F7h,0F8h
S4F56:
;Time-100
      db          0FCh,0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h
S4F57:
;Time-101
      db          0A7h,0A8h,0A9h,0AAh,0ABh,0ACh,0ADh,0AEh
S4F58:
;Time-102
      db          0B2h,0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h
S4F59:
;Time-103
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
S4F60:
;Time-104
      db          0C8h,0C9h,0CAh,0CBh,0CCh,0CDh,0CEh,0CFh
S4F61:
;Time-105
      db          0D3h,0D4h,0D5h,0D6h,0D7h,0D8h,0D9h,0DAh
S4F62:
;Time-106
      db          0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h,0E5h
S4F63:
;Time-107
      db          0E9h,0EAh,0EBh,0ECh,0EDh,0EEh,0EFh,0F0h
;Scene-16-1
SPOS:
      db          0A0h,0A1h,0A2h,0A3h,0A4h,0A5h,0A6h,0A7h
UDC:
      db          0A3h,0A4h,0A5h,0A6h,0A7h,0A8h,0A9h,0AAh
      db          0ABh,0ACh,0ADh,0AEh,0AFh,0B0h,0B1h,0B2h
      db          0B3h,0B4h,0B5h,0B6h,0B7h,0B8h,0B9h,0BAh
      db          0BBh,0BCh,0BDh,0BEh,0BFh,0C0h,0C1h,0C2h
SCRN:
      db          0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh
      db          0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h
      db          0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
      db          0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh
      db          0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h
      db          0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh
      db          0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h
      db          0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
      db          0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h
      db          0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh
      db          0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h
      db          0B5h,0B6h,0B7h,0B8h,0B9h,0BAh,0BBh,0BCh
      db          0BDh,0BEh,0BFh,0C0h,0C1h,0C2h,0C3h,0C4h
      db          0C5h,0C6h,0C7h,0C8h,0C9h,0CAh,0CBh,0CCh
      db          0CDh,0CEh,0CFh,0D0h,0D1h,0D2h,0D3h,0D4h
      db          0D5h,0D6h,0D7h,0D8h,0D9h,0DAh,0DBh,0DCh
      db          0DDh,0DEh,0DFh,0E0h,0E1h,0E2h,0E3h,0E4h
      db          0E5h,0E6h,0E7h,0E8h,0E9h,0EAh,0EBh,0ECh
      db          0EDh,0EEh,0EFh,0F0h,0F1h,0F2h,0F3h,0F4h
      db          0F5h,0F6h,0F7h,0F8h,0F9h,0FAh,0FBh,0FCh
      db          0FDh,0FEh,0FFh,0A0h,0A1h,0A2h,0A3h,0A4h
      db          0A5h,0A6h,0A7h,0A8h,0A9h,0AAh,0ABh,0ACh
      db          0ADh,0AEh,0AFh,0B0h,0B1h,0B2h,0B3h,0B4h
;
