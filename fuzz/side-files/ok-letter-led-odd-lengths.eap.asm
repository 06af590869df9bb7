;Tilewright side file 1
;TV-NTSC
;Size-16-8-16-16
;Time-6-1-255-3
S1F1:
;Time-4
      db          ABCDh,Ah,3Ch,7Eh,7Eh,3Ch,18h,00h
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
