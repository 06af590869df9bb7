;Tilewright side file 1
;TV-NTSC
;Size-16-8-16-16
;Time-6-1-255-3
S2F1:
;Time-7
      db          1h,2h,3h,4h,5h,6h,7h,8h
