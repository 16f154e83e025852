

    League Style Quizzing

    A 1:1 to A 28:31

    Quiz Number 7













    A  1:26                             Quiz 7


     1. Who was chosen to replace Judas?

        Matthias                             












    A  2:38   CV                      Quiz 7


      2. Accd. to Acts chapter 2 verse 38, 

        What did Peter tell the crowd to do 
        when they were cut to the heart? 
        Repent and be baptized               











    A 16:31  SIT                        Quiz 7


     3. Paul and Silas speak to the jailer in Philippi:

        "Believe in the Lord Jesus, and you 
        will be saved, you and your 
        household." Who said this? *Paul and 
        Silas                                








    A  1: 8   FTa                     Quiz 7


     4. But you will receive power when the
        Holy Spirit has come upon you, and 
        you will be my witnesses in 
        Jerusalem and in all Judea and 
        Samaria.                             










    A 20:35   QTb                     Quiz 7


      . Quote Acts Chapter 20 verse 35

        It is more blessed to give than to 
        receive.                             











    A 12: 7   CO                      Quiz 7


      . According to Acts chapter 12

        who struck Peter on the side and 
        woke him? An angel of the Lord       









