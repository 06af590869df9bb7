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
S1F64:
;Time-6
      db          1h,2h,3h,4h,5h,6h,7h,8h
