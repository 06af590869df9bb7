;Tilewright side file 1
;TV-NTSC
;Size-16-8-16-16
;Time-6-1-255-3
S1F1:
;Time-4
