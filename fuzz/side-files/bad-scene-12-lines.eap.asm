;Tilewright side file 2
;TV-NTSC
;Size-16-8-16-16
;Time-6-1-255-3
S1F1:
;Time-4
      db          00h,18h,3Ch,7Eh,7Eh,3Ch,18h,00h
S1F2:
;Time-10
      db          00h,00h,18h,3Ch,3Ch,18h,00h,00h
S2F1:
;Time-30
      db          42h,24h,3Ch,5Ah,7Eh,24h,42h,81h
S3F1:
;Time-1
      db          0FFh,81h,81h,81h,81h,81h,81h,0FFh
S4F1:
;Time-2
      db          01h,02h,04h,08h,10h,20h,40h,80h
S4F2:
;Time-255
      db          80h,40h,20h,10h,08h,04h,02h,01h
;Scene-12-1
SPOS:
      db          90h,30h,80h,58h,0A0h,70h,60h,90h
UDC:
      db          3Ch,42h,81h,81h,81h,81h,42h,3Ch
      db          0FFh,81h,0BDh,0A5h,0A5h,0BDh,81h,0FFh
      db          18h,18h,0FFh,18h,18h,18h,18h,18h
      db          0AAh,55h,0AAh,55h,0AAh,55h,0AAh,55h
SCRN:
      db          80h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,2Dh,22h,25h,1Eh,30h
      db          2Bh,22h,20h,21h,2Dh,80h,80h,80h
      db          80h,80h,6Ch,5Ch,68h,6Bh,5Eh,40h
      db          51h,52h,53h,50h,40h,77h,74h,75h
      db          76h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,80h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          0C0h,3Fh,07h,38h,2Ah,15h,40h,03h
      db          38h,39h,3Ah,3Bh,3Ch,3Dh,3Eh,3Fh
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          83h,80h,80h,80h,80h,80h,80h,80h
      db          80h,80h,80h,80h,80h,80h,80h,43h
      db          0C3h,0C3h,0C3h,0C3h,0C3h,0C3h,0C3h,0C3h
      db          0C3h,0C3h,0C3h,0C3h,0C3h,0C3h,0C3h,0C3h
