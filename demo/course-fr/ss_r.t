 deux= 2=
 2= deux=
 trois= 3=
 3= trois=
 quatre= 4=
 4= quatre=
 cinq= 5=
 5= cinq=
 six= 6=
 6= six=
 sept= 7=
 7= sept=
 huit= 8=
 8= huit=
 neuf= 9=
 9= neuf=
 dix= 10=
 10= dix=
 onze= 11=
 11= onze=
 douze= 12=
 12= douze=
 quinze= 15=
 15= quinze=
 vingt= 20=
 20= vingt=
 trente= 30=
 30= trente=
 premier= 1er=
 1er= premier=
 deuxième= 2e=
 2e= deuxième=
 troisième= 3e=
 3e= troisième=
 heures= h=
 h = heures =
Madame=Mme=
Mme=Madame=
Monsieur=M.=
M.=Monsieur=
 docteur= Dr=
 Dr= docteur=
qu'on=que l'on=
que l'on=qu'on=
 si on= si l'on=
 si l'on= si on=
plaît=plait=
plait=plaît=
coûte=coute=
coute=coûte=
week- end=weekend=
weekend=week-end=
Ça=ça=
œ=oe=
