ß=ss=
dass=daß=
daß=dass=
muss=muß=
muß=muss=
Schloss=Schloß=
Schloß=Schloss=
passt=paßt=
paßt=passt=
geht's=geht es=
geht es=geht's=
gibt's=gibt es=
gibt es=gibt's=
gehts=geht es=
geht es=gehts=
gibts=gibt es=
gibt es=gibts=
Gibt's=Gibt es=
Gibt es=Gibt's=
 eins= 1=
 1= eins=
 zwei= 2=
 2= zwei=
 drei= 3=
 3= drei=
 vier= 4=
 4= vier=
 fünf= 5=
 5= fünf=
 sechs= 6=
 6= sechs=
 sieben= 7=
 7= sieben=
 acht= 8=
 8= acht=
 neun= 9=
 9= neun=
 zehn= 10=
 10= zehn=
 elf= 11=
 11= elf=
 zwölf= 12=
 12= zwölf=
Samstag=Sonnabend=
Sonnabend=Samstag=
samstag=sonnabend=
sonnabend=samstag=
zu Hause=zuhause=
zuhause=zu Hause=
zu hause=zuhause=
zuhause=zu hause=
nach Hause=nachhause=
nachhause=nach Hause=
nach hause=nachhause=
nachhause=nach hause=
E-Mail=Email=
Email=E-Mail=
e-mail=email=
email=e-mail=
OK=okay=
okay=OK=
ok=okay=
okay=ok=
 Euro= €=
 €= Euro=
schloss=schloß=
schloß=schloss=
Tschüs=Tschüss=
Tschüss=Tschüs=
